#include "process_locks.h"

#include "instance_lock.h"

namespace {

InstanceLock& runLock()
{
    static InstanceLock lock("run");
    return lock;
}

}

bool TakeRunLock()
{
    return runLock().take();
}

bool RunLockHeldElsewhere()
{
    return runLock().heldElsewhere();
}

bool TakeHostedLock(NativeWindow window)
{
    static InstanceLock lock("window-" + std::to_string(window));
    return lock.take();
}
