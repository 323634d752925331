// Tavrolin.dll: reads its switches, chooses the window system, binds the ride to that window
// system's driver and ends the process once, the same way for each.
#include "contract/engine_contract.h"
#include "engine/ride_loop.h"
#include "files/end_with_parent.h"
#include "files/standard_descriptors.h"
#include "platform/wayland/wayland_window_system.h"
#include "platform/xlib/xlib_ride.h"
#include "programs/engine/engine_options.h"
#include "programs/engine/engine_usage.h"
#include "programs/engine/session_environment.h"
#include "programs/engine/stop_request.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int misused(const std::string& what)
{
    std::fprintf(stderr, "Tavrolin.dll: %s; see Tavrolin.dll --help\n", what.c_str());
    return RideMisused;
}

int runOnX11(const EngineOptions& options, const RideHooks& hooks)
{
    XlibRideOptions xlib;
    xlib.hostWindow = options.hostWindow;
    if (options.hasMonitor) {
        xlib.x = options.monitorX;
        xlib.y = options.monitorY;
        xlib.width = options.monitorWidth;
        xlib.height = options.monitorHeight;
    }
    xlib.unpaced = options.unpaced;
    // Tests compare the frames of both trails paths on one driver.
    const char* forceCopy = std::getenv("TAVROLIN_FORCE_FRAME_COPY");
    xlib.forceFrameCopy = forceCopy && *forceCopy;
    return RunXlibRide(hooks, xlib);
}

int runOnWayland(const EngineOptions& options, const RideHooks& hooks)
{
    WaylandRideOptions wayland;
    wayland.outputName = options.outputName;
    wayland.background = options.background;
    wayland.fullscreenWindow = options.fullscreenWindow;
    return RunWaylandRide(wayland, hooks);
}

}

int main(int argc, char** argv)
{
    // Before any connection opens: it must not take a closed standard descriptor's number.
    OpenStandardDescriptors();
    if (const std::optional<int> status = AnswerEngineUsage(argc, argv))
        return *status;
    const EngineOptions options = ParseEngineOptions(argc, argv);
    if (!options.misuse.empty())
        return misused(options.misuse);
    const WindowSystem system = EngineWindowSystem(options, CurrentSessionEnvironment());
    const std::string_view misplaced = MisplacedSwitch(options, system);
    if (!misplaced.empty())
        return misused(std::string(misplaced) + (system == WindowSystem::X11 ? " is for Wayland" : " is for X11"));

    if (!ListenForStopRequests()) {
        std::perror("Tavrolin.dll: no stop descriptor");
        return RideFailed;
    }
    if (options.shellProcess > 0 && !EndWithParent(options.shellProcess))
        EndProcess(RideEnded);
    RideChoice choice;
    choice.scaleLevel = options.scaleLevel;
    choice.speedLevel = options.speedLevel;
    choice.hosted = options.hostWindow != 0;
    const RideHooks hooks = RideLoopHooks(choice, StopRequested, StopDescriptor());
    EndProcess(system == WindowSystem::Wayland ? runOnWayland(options, hooks) : runOnX11(options, hooks));
}
