#include "engine/engine_options.h"
#include "engine/engine_usage.h"
#include "platform/files/standard_descriptors.h"
#include "platform/glut/glut_callbacks.h"
#include "platform/wayland/wayland_ride.h"

#include <cstdlib>

namespace {

// The one place the window system is chosen.
int runRide(int argc, char** argv)
{
    const bool wayland = choosesWayland(engineOptions, std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                                        std::getenv("XDG_SESSION_TYPE"));
    if (wayland)
        return RunWaylandRide(argc, argv);
    return RunGlutRide(argc, argv);
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
