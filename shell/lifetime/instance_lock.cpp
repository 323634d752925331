#include "instance_lock.h"

#include "lock_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <set>
#include <sys/stat.h>
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

// The names this process holds, whichever object took them. A lock of the process goes with the
// first close of any descriptor of its file, so no second object may open a file held here.
std::set<std::string>& namesHeldHere()
{
    // Never destroyed: locks held in static objects let go of their names after it would be.
    static auto* names = new std::set<std::string>;
    return *names;
}

// A whole-file write lock of the process, which the kernel reports with its holder's id.
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
    namesHeldHere().erase(m_heldName);
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

std::string InstanceLock::FileName(const std::string& purpose)
{
    const std::string display = chosenDisplay() ? *chosenDisplay() : DisplayName(std::getenv("DISPLAY"));
    return fileNamePart(display) + "@" + purpose;
}

int InstanceLock::open(int flags, bool& missing) const
{
    m_problem.clear();
    missing = false;
    const int folder = OpenLockFolder();
    if (folder < 0) {
        m_problem = "no private folder for locks ($XDG_RUNTIME_DIR or /tmp/tavrolin-" + std::to_string(geteuid())
            + " must be this user's, mode 0700, not a link)";
        return -1;
    }
    const std::string name = FileName(m_purpose);
    // Never waits: a FIFO at the name would block a plain open until a writer came.
    const int descriptor = openat(folder, name.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    const int openError = errno;
    close(folder);
    struct stat status {};
    if (descriptor < 0) {
        missing = openError == ENOENT;
        if (!missing)
            m_problem = "cannot use the lock file " + name + ": "
                + (openError == ELOOP ? std::string("it is a link") : std::strerror(openError));
        return -1;
    }
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        m_problem = "cannot use the lock file " + name + ": it is not a regular file";
        close(descriptor);
        return -1;
    }
    return descriptor;
}

int InstanceLock::kernelHolder(int descriptor) const
{
    struct flock region = wholeFile();
    if (fcntl(descriptor, F_GETLK, &region) != 0) {
        m_problem = "cannot look at the lock " + FileName(m_purpose) + ": " + std::strerror(errno);
        return 0;
    }
    if (region.l_type == F_UNLCK)
        return 0;
    // 0 is a holder in a process namespace this process cannot see.
    return region.l_pid > 0 ? static_cast<int>(region.l_pid) : -1;
}

bool InstanceLock::take()
{
    if (m_descriptor >= 0)
        return true;
    const std::string name = FileName(m_purpose);
    m_problem.clear();
    if (namesHeldHere().count(name) != 0)
        return false;
    bool missing = false;
    const int descriptor = open(O_RDWR | O_CREAT, missing);
    if (descriptor < 0)
        return false;
    struct flock region = wholeFile();
    if (fcntl(descriptor, F_SETLK, &region) != 0) {
        if (errno != EACCES && errno != EAGAIN)
            m_problem = "cannot lock " + name + ": " + std::strerror(errno);
        close(descriptor);
        return false;
    }
    m_descriptor = descriptor;
    m_heldName = name;
    namesHeldHere().insert(name);
    return true;
}

bool InstanceLock::heldElsewhere() const
{
    if (m_descriptor >= 0)
        return false;
    return holder() != 0 || !m_problem.empty();
}

int InstanceLock::holder() const
{
    if (m_descriptor >= 0 || namesHeldHere().count(FileName(m_purpose)) != 0)
        return static_cast<int>(getpid());
    bool missing = false;
    const int descriptor = open(O_RDONLY, missing);
    if (descriptor < 0)
        return 0;
    const int processId = kernelHolder(descriptor);
    close(descriptor);
    return processId;
}
