#include "process_locks.h"

#include "instance_lock.h"

#include <cstdlib>

namespace {

InstanceLock& runLock()
{
    static InstanceLock lock("run");
    return lock;
}

std::string& lastProblem()
{
    static std::string problem;
    return problem;
}

bool noted(const InstanceLock& lock, bool result)
{
    lastProblem() = lock.problem();
    return result;
}

}

bool TakeRunLock()
{
    return noted(runLock(), runLock().take());
}

bool RunLockHeldElsewhere()
{
    return noted(runLock(), runLock().heldElsewhere());
}

bool TakeHostedLock(NativeWindow window)
{
    static InstanceLock lock("window-" + std::to_string(window));
    return noted(lock, lock.take());
}

void UseWaylandDisplayLocks()
{
    InstanceLock::UseDisplay(InstanceLock::WaylandDisplayName(std::getenv("WAYLAND_DISPLAY"),
                                                             std::getenv("XDG_RUNTIME_DIR")));
}

std::string LockProblem()
{
    return lastProblem();
}
