#include "platform/wayland/wayland_ride.h"

#include "engine/engine_clock.h"
#include "engine/engine_options.h"
#include "engine/frame_loop.h"
#include "engine/ride_loop.h"
#include "engine/stop_request.h"
#include "platform/files/end_with_parent.h"
#include "platform/wayland/wayland_window_system.h"

namespace {

bool drawRideFrame()
{
    return rideFrame(EngineMilliseconds());
}

}

int RunWaylandRide(int, char**)
{
    listenForStopRequests();
    if (engineOptions.shellProcess > 0 && !EndWithParent(engineOptions.shellProcess))
        return 0;
    WaylandRideOptions options;
    options.outputName = engineOptions.outputName;
    options.background = engineOptions.background;
    options.fullscreenWindow = engineOptions.fullscreenWindow;
    const RideHooks hooks{startRide, rideResize, drawRideFrame, rideKey, stopRequested, rideBackBufferKept,
                          releaseResources};
    return RunWaylandWindowSystem(options, hooks);
}
