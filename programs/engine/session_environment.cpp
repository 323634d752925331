#include "programs/engine/session_environment.h"

#include "files/wayland_socket.h"

#include <cstdlib>

SessionEnvironment CurrentSessionEnvironment()
{
    SessionEnvironment session;
    session.waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    session.display = std::getenv("DISPLAY");
    session.sessionType = std::getenv("XDG_SESSION_TYPE");
    session.waylandReachable = WaylandSocketAvailable();
    return session;
}
