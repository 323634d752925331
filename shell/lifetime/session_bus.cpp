#include "session_bus.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

std::string SessionBusAddress(const char* current, const char* runtimeDirectory)
{
    if (current && *current)
        return {};
    if (runtimeDirectory && *runtimeDirectory == '/') {
        const std::string socketPath = std::string(runtimeDirectory) + "/bus";
        struct stat status {};
        // The same test libdbus makes before it uses the socket.
        if (lstat(socketPath.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == geteuid())
            return {};
    }
    // No transport of that name exists, so libdbus fails at once instead of starting a bus.
    return "disabled:";
}

void StartNoSessionBus()
{
    const std::string address = SessionBusAddress(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"));
    if (!address.empty())
        setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
}
