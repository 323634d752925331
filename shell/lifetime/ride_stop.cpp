#include "ride_stop.h"

#include "instance_lock.h"

#include <cerrno>
#include <csignal>
#include <thread>

namespace {

InstanceLock& rideMark()
{
    static InstanceLock mark("ride");
    return mark;
}

// The mark goes when the holder's process ends, before any parent reaps it.
bool endedWithin(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (rideMark().holder() != 0) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}

bool TakeRideMark()
{
    return rideMark().take();
}

int StopRide(std::chrono::milliseconds grace)
{
    const int holder = rideMark().holder();
    if (holder == 0 || rideMark().held())
        return 0;
    if (kill(holder, SIGTERM) != 0)
        return errno == ESRCH && endedWithin(std::chrono::seconds(1)) ? 0 : 1;
    if (endedWithin(grace))
        return 0;
    kill(holder, SIGKILL);
    return endedWithin(std::chrono::seconds(1)) ? 0 : 1;
}
