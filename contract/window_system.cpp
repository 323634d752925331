#include "contract/window_system.h"

#include <string_view>

namespace {

bool set(const char* variable)
{
    return variable && *variable;
}

}

WindowSystem ChooseWindowSystem(const SessionEnvironment& environment, bool x11Only)
{
    if (x11Only || !set(environment.waylandDisplay))
        return WindowSystem::X11;
    const bool xDisplay = set(environment.display);
    if (xDisplay && !(environment.sessionType && std::string_view(environment.sessionType) == "wayland"))
        return WindowSystem::X11;
    if (!environment.waylandReachable && xDisplay)
        return WindowSystem::X11;
    return WindowSystem::Wayland;
}
