#include "stop_stamp.h"

#include "instance_lock.h"
#include "lock_folder.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

long long ticksOf(const timespec& time)
{
    const long long perSecond = sysconf(_SC_CLK_TCK);
    return static_cast<long long>(time.tv_sec) * perSecond + time.tv_nsec / (1000000000LL / perSecond);
}

// What is left of the tick `time` falls in, so a sleep of it ends in the next one.
timespec tickRemainder(const timespec& time)
{
    const long nanosecondsPerTick = 1000000000L / sysconf(_SC_CLK_TCK);
    return {0, nanosecondsPerTick - time.tv_nsec % nanosecondsPerTick};
}

std::string cannotUse(const std::string& name, const char* reason)
{
    return "cannot use the stop stamp " + name + ": " + reason;
}

}

bool RecordStop(std::string& problem)
{
    const int folder = OpenLockFolder();
    if (folder < 0) {
        problem = "no private folder for locks";
        return false;
    }
    const std::string name = InstanceLock::FileName("stopped");
    const int descriptor = openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    const int openError = errno;
    close(folder);
    if (descriptor < 0) {
        problem = cannotUse(name, openError == ELOOP ? "it is a link" : std::strerror(openError));
        return false;
    }
    struct stat status {};
    timespec times[2] {{0, UTIME_OMIT}, {}};
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const bool stamped = regular && clock_gettime(CLOCK_BOOTTIME, &times[1]) == 0 && futimens(descriptor, times) == 0;
    const int stampError = errno;
    close(descriptor);
    if (!stamped) {
        problem = cannotUse(name, regular ? std::strerror(stampError) : "it is not a regular file");
        return false;
    }
    // Start times are only known to the tick, so a start in the stamp's tick counts as under way
    // at the stop. Waiting the tick out means every start after this returns rides.
    timespec now {};
    while (clock_gettime(CLOCK_BOOTTIME, &now) == 0 && ticksOf(now) <= ticksOf(times[1])) {
        const timespec rest = tickRemainder(now);
        nanosleep(&rest, nullptr);
    }
    return true;
}

bool StoppedSinceThisProcessStarted(std::string& problem)
{
    const int folder = OpenLockFolder();
    if (folder < 0)
        return false;
    struct stat status {};
    const bool found = fstatat(folder, InstanceLock::FileName("stopped").c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    close(folder);
    if (!found)
        return false;
    if (!S_ISREG(status.st_mode)) {
        problem = cannotUse(InstanceLock::FileName("stopped"), "it is not a regular file");
        return false;
    }
    std::ifstream statFile("/proc/self/stat");
    std::stringstream stat;
    stat << statFile.rdbuf();
    const long long started = StartTicksOfStat(stat.str());
    return started >= 0 && ticksOf(status.st_mtim) >= started;
}

long long StartTicksOfStat(std::string_view stat)
{
    // The name in brackets may hold blanks and brackets of its own; the fields after the last
    // bracket are state (3) up to start time (22).
    const std::size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string_view::npos)
        return -1;
    std::istringstream fields{std::string(stat.substr(nameEnd + 1))};
    std::string field;
    for (int number = 3; number <= 22; ++number) {
        if (!(fields >> field))
            return -1;
    }
    if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos || field.size() > 18)
        return -1;
    return std::stoll(field);
}
