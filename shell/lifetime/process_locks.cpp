#include "process_locks.h"

#include "instance_lock.h"
#include "lock_folder.h"

#include <cstdlib>
#include <unistd.h>

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

int RunLockHolder()
{
    return runLock().holder();
}

bool TakeHostedLock(NativeWindow window)
{
    static InstanceLock lock("window-" + std::to_string(window));
    return lock.take();
}

void UseWaylandDisplayLocks()
{
    InstanceLock::UseDisplay(InstanceLock::WaylandDisplayName(std::getenv("WAYLAND_DISPLAY"),
                                                             std::getenv("XDG_RUNTIME_DIR")));
}

bool LockFolderAvailable()
{
    const int folder = OpenLockFolder();
    if (folder < 0)
        return false;
    close(folder);
    return true;
}
