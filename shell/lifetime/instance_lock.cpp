#include "instance_lock.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

InstanceLock::InstanceLock(const std::string& purpose)
    : m_name("tavrolin/" + std::to_string(getuid()) + "/" + DisplayName(std::getenv("DISPLAY")) + "/" + purpose)
{
}

InstanceLock::~InstanceLock()
{
    if (m_socket >= 0)
        close(m_socket);
}

std::string InstanceLock::DisplayName(const char* display)
{
    std::string name = display ? display : "";
    const std::size_t colon = name.rfind(':');
    const std::size_t dot = name.rfind('.');
    if (colon != std::string::npos && dot != std::string::npos && dot > colon)
        name.erase(dot);
    return name;
}

bool InstanceLock::take()
{
    if (m_socket >= 0)
        return true;
    const int socketDescriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketDescriptor < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A leading zero byte puts the name in the abstract namespace; longer names are cut to fit.
    const std::size_t length = std::min(m_name.size(), sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path + 1, m_name.data(), length);
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (bind(socketDescriptor, reinterpret_cast<const sockaddr*>(&address), size) != 0) {
        close(socketDescriptor);
        return false;
    }
    m_socket = socketDescriptor;
    return true;
}

bool InstanceLock::heldElsewhere()
{
    if (m_socket >= 0)
        return false;
    if (!take())
        return true;
    close(m_socket);
    m_socket = -1;
    return false;
}
