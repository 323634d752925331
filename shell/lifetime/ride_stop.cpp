#include "ride_stop.h"

#include "instance_lock.h"
#include "lock_folder.h"
#include "stop_stamp.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

InstanceLock& rideMark()
{
    static InstanceLock mark("ride");
    return mark;
}

// The mark goes when the holder's process ends, before any parent reaps it.
bool goneWithin(int holder, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (rideMark().holder() == holder) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Sends the signal only while `holder` holds the mark: the descriptor names that process even
// if its id is reused, and the mark is asked for after the descriptor was had.
bool signalHolder(int holder, int signalNumber)
{
    // By number: Debian 12's <sys/pidfd.h> declares its wrappers without C linkage.
    const int process = static_cast<int>(syscall(SYS_pidfd_open, holder, 0));
    if (process < 0)
        return errno == ESRCH;
    const bool sent = rideMark().holder() != holder || syscall(SYS_pidfd_send_signal, process, signalNumber, nullptr, 0) == 0;
    close(process);
    return sent;
}

int failed(const std::string& why)
{
    std::fprintf(stderr, "Tavrolin.scr: --stop: %s\n", why.c_str());
    return 1;
}

}

RideMark TakeRideMark(std::string& problem)
{
    if (!rideMark().take()) {
        problem = rideMark().problem();
        return problem.empty() ? RideMark::Elsewhere : RideMark::Refused;
    }
    if (StoppedSinceThisProcessStarted(problem))
        return RideMark::Stopped;
    return problem.empty() ? RideMark::Taken : RideMark::Refused;
}

int StopRide(std::chrono::milliseconds grace)
{
    // Without a private folder no ride can hold a mark, nor can a start take one.
    const int folder = OpenLockFolder();
    if (folder < 0)
        return 0;
    close(folder);
    // Each start under way may take the mark after the last ride went; a few rounds see them off.
    for (int round = 0; round < 10; ++round) {
        std::string problem;
        if (!RecordStop(problem))
            return failed(problem);
        const int holder = rideMark().holder();
        if (!rideMark().problem().empty())
            return failed(rideMark().problem());
        if (holder == 0)
            return 0;
        if (holder < 0)
            return failed("the ride runs where this process cannot see it");
        if (!signalHolder(holder, SIGTERM))
            return failed("cannot signal process " + std::to_string(holder));
        if (!goneWithin(holder, grace) && (!signalHolder(holder, SIGKILL) || !goneWithin(holder, std::chrono::seconds(1))))
            return failed("process " + std::to_string(holder) + " outlived SIGKILL");
    }
    return failed("rides kept starting");
}
