#include "instance_lock.h"

#include "lock_folder.h"

#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace {

std::optional<std::string>& chosenDisplay()
{
    static std::optional<std::string> display;
    return display;
}

// Keeps names apart that differ only where the file name could not hold them.
std::string fileNamePart(const std::string& text)
{
    std::string part;
    for (const char c : text) {
        if (c == '%')
            part += "%25";
        else if (c == '/')
            part += "%2F";
        else if (c == '@')
            part += "%40";
        else
            part += c;
    }
    return part;
}

bool allDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A whole-file write lock of the open file itself, not of the process: it conflicts with every
// other open of the file, this process's included.
struct flock wholeFile()
{
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    return region;
}

}

InstanceLock::InstanceLock(std::string purpose)
    : m_purpose(std::move(purpose))
{
}

InstanceLock::~InstanceLock()
{
    if (m_descriptor < 0)
        return;
    // No stale process id for the next reader.
    (void)!ftruncate(m_descriptor, 0);
    close(m_descriptor);
}

std::string InstanceLock::DisplayName(const char* display)
{
    std::string name = display ? display : "";
    const std::string socketPrefix = "/tmp/.X11-unix/X";
    if (name.rfind(socketPrefix, 0) == 0) {
        name.erase(0, socketPrefix.size());
        name.insert(name.begin(), ':');
    } else if (!name.empty() && name.front() == '/') {
        return name;
    }
    std::string protocol;
    if (const std::size_t slash = name.find('/'); slash != std::string::npos) {
        protocol = name.substr(0, slash);
        name.erase(0, slash + 1);
    }
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos)
        return name;
    const std::string host = name.substr(0, colon);
    std::string number = name.substr(colon + 1);
    if (const std::size_t dot = number.find('.'); dot != std::string::npos)
        number.erase(dot);
    // ":030" is display 30 to Xlib.
    if (allDigits(number) && number.size() < 10)
        number = std::to_string(std::stoul(number));
    // An empty host or "unix" means the local socket; so does the unix protocol.
    if (protocol == "unix" || ((protocol.empty() || protocol == "local") && (host.empty() || host == "unix")))
        return std::string(1, ':').append(number);
    return host + ":" + number;
}

std::string InstanceLock::WaylandDisplayName(const char* waylandDisplay, const char* runtimeDirectory)
{
    const std::string name = waylandDisplay && *waylandDisplay ? waylandDisplay : "wayland-0";
    if (name.front() == '/' || !runtimeDirectory || !*runtimeDirectory)
        return name;
    std::string path = runtimeDirectory;
    if (path.back() != '/')
        path += '/';
    return path + name;
}

void InstanceLock::UseDisplay(const std::string& displayName)
{
    chosenDisplay() = displayName;
}

std::string InstanceLock::fileName() const
{
    const std::string display = chosenDisplay() ? *chosenDisplay() : DisplayName(std::getenv("DISPLAY"));
    return fileNamePart(display) + "@" + m_purpose;
}

bool InstanceLock::take()
{
    if (m_descriptor >= 0)
        return true;
    const int folder = OpenLockFolder();
    if (folder < 0)
        return false;
    const int descriptor = openat(folder, fileName().c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    close(folder);
    if (descriptor < 0)
        return false;
    struct flock region = wholeFile();
    if (fcntl(descriptor, F_OFD_SETLK, &region) != 0) {
        close(descriptor);
        return false;
    }
    // The lock stands even where the id cannot be written (a full disk).
    const std::string processId = std::to_string(getpid()) + "\n";
    if (ftruncate(descriptor, 0) == 0)
        (void)!pwrite(descriptor, processId.data(), processId.size(), 0);
    m_descriptor = descriptor;
    return true;
}

int InstanceLock::openExisting(bool& folderMissing) const
{
    const int folder = OpenLockFolder();
    folderMissing = folder < 0;
    if (folderMissing)
        return -1;
    const int descriptor = openat(folder, fileName().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    close(folder);
    return descriptor;
}

bool InstanceLock::heldElsewhere() const
{
    if (m_descriptor >= 0)
        return false;
    bool folderMissing = false;
    const int descriptor = openExisting(folderMissing);
    if (descriptor < 0)
        return folderMissing;
    struct flock region = wholeFile();
    // Only asks: a probe that took the lock for a moment could turn away a start in that moment.
    const bool held = fcntl(descriptor, F_OFD_GETLK, &region) != 0 || region.l_type != F_UNLCK;
    close(descriptor);
    return held;
}

int InstanceLock::holder() const
{
    if (m_descriptor >= 0)
        return static_cast<int>(getpid());
    bool folderMissing = false;
    const int descriptor = openExisting(folderMissing);
    if (descriptor < 0)
        return 0;
    struct flock region = wholeFile();
    long processId = 0;
    if (fcntl(descriptor, F_OFD_GETLK, &region) == 0 && region.l_type != F_UNLCK) {
        // The holder writes its id just after it takes the lock.
        for (int attempt = 0; attempt < 100 && processId <= 0; ++attempt) {
            char text[24] {};
            if (pread(descriptor, text, sizeof text - 1, 0) > 0)
                processId = std::strtol(text, nullptr, 10);
            if (processId <= 0)
                usleep(1000);
        }
    }
    close(descriptor);
    return processId > 0 && processId <= 0x7fffffff ? static_cast<int>(processId) : 0;
}
