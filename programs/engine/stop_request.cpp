#include "programs/engine/stop_request.h"

#include "files/end_by_signal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t requested = 0;
int wakeRead = -1;
int wakeWrite = -1;
timer_t lastChance{};
bool haveLastChance = false;

void endNow(int)
{
    EndBySignalNow(requested);
}

void recordRequest(int signalNumber)
{
    if (requested != 0)
        return;
    requested = signalNumber;
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wakeWrite, &byte, 1);
    errno = savedErrno;
    if (haveLastChance) {
        itimerspec after{};
        after.it_value.tv_nsec = 500'000'000;
        timer_settime(lastChance, 0, &after, nullptr);
    }
}

}

bool ListenForStopRequests()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    wakeRead = ends[0];
    wakeWrite = ends[1];

    struct sigaction ending {};
    ending.sa_handler = endNow;
    sigemptyset(&ending.sa_mask);
    sigaction(SIGALRM, &ending, nullptr);
    sigevent notice{};
    notice.sigev_notify = SIGEV_SIGNAL;
    notice.sigev_signo = SIGALRM;
    haveLastChance = timer_create(CLOCK_MONOTONIC, &notice, &lastChance) == 0;

    struct sigaction action {};
    action.sa_handler = recordRequest;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    return true;
}

bool StopRequested()
{
    return requested != 0;
}

int StopDescriptor()
{
    return wakeRead;
}

void EndProcess(int status)
{
    if (requested == 0)
        std::exit(status);
    EndBySignal(requested);
}
