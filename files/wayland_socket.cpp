#include "wayland_socket.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

bool WaylandSocketAvailable()
{
    const char* handed = std::getenv("WAYLAND_SOCKET");
    if (handed && *handed)
        return true;
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name)
        return false;
    std::string path = name;
    if (path[0] != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!runtime || !*runtime)
            return false;
        path = std::string(runtime) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socketDescriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketDescriptor < 0)
        return false;
    const bool connected = connect(socketDescriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(socketDescriptor);
    return connected;
}
