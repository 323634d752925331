#include "contract/engine_contract.h"
#include "engine/engine_clock.h"
#include "engine/engine_options.h"
#include "engine/engine_usage.h"
#include "engine/frame_loop.h"
#include "engine/ride_hooks.h"
#include "engine/ride_loop.h"
#include "engine/stop_request.h"
#include "platform/files/end_with_parent.h"
#include "platform/files/standard_descriptors.h"
#include "platform/wayland/wayland_ride.h"
#include "platform/xlib/xlib_ride.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace {

// Until the composition root takes this over: a pipe that a stop signal makes readable, so the
// window system's wait wakes for it.
int stopPipe[2] = {-1, -1};
void (*recordStop)(int) = nullptr;

void recordAndWake(int signalNumber)
{
    recordStop(signalNumber);
    const char byte = 1;
    if (write(stopPipe[1], &byte, 1) < 0) {
        // Full: a stop is already waiting to be read.
    }
}

int stopDescriptor()
{
    listenForStopRequests();
    if (pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction action {};
        sigaction(signalNumber, nullptr, &action);
        recordStop = action.sa_handler;
        action.sa_handler = recordAndWake;
        sigaction(signalNumber, &action, nullptr);
    }
    return stopPipe[0];
}

bool over(std::int64_t nowMs)
{
    return stopRequested() || rideOver(nowMs);
}

int runX11Ride()
{
    const int stop = stopDescriptor();
    if (engineOptions.shellProcess > 0 && !EndWithParent(engineOptions.shellProcess))
        return 0;
    XlibRideOptions options;
    options.hostWindow = engineOptions.hostWindow;
    if (engineOptions.hasMonitor) {
        options.x = engineOptions.monitorX;
        options.y = engineOptions.monitorY;
        options.width = engineOptions.monitorWidth;
        options.height = engineOptions.monitorHeight;
    }
    options.unpaced = engineOptions.unpaced;
    // Tests compare the frames of both trails paths on one driver.
    const char* forceCopy = std::getenv("TAVROLIN_FORCE_FRAME_COPY");
    options.forceFrameCopy = forceCopy && *forceCopy;
    const RideHooks hooks{startRide, rideResize, rideBackBufferKept, rideFrame, rideKey,
                          over,      releaseResources, EngineMilliseconds, stop};
    const int status = RunXlibRide(hooks, options);
    // Dies by the stop signal where one came.
    if (status == RideEnded)
        endProcess();
    return status;
}

// The one place the window system is chosen.
int runRide(int argc, char** argv)
{
    const bool wayland = choosesWayland(engineOptions, std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                                        std::getenv("XDG_SESSION_TYPE"));
    if (wayland)
        return RunWaylandRide(argc, argv);
    return runX11Ride();
}

}

int main(int argc, char** argv)
{
    // Before the X connection opens: it must not take a closed standard descriptor's number.
    OpenStandardDescriptors();
    if (const std::optional<int> status = AnswerEngineUsage(argc, argv))
        return *status;
    engineOptions = parseEngineOptions(argc, argv);
    return runRide(argc, argv);
}
