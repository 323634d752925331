#include "engine/stop_request.h"

#include "platform/files/end_by_signal.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t requested = 0;
timer_t lastChance{};
bool haveLastChance = false;

// The frame loop did not answer in time (a frame that takes seconds): the process still dies by
// the signal that asked, as the orderly ending would have.
void endNow(int)
{
    EndBySignalNow(requested);
}

void recordRequest(int signalNumber)
{
    if (requested != 0)
        return;
    requested = signalNumber;
    if (haveLastChance) {
        itimerspec after{};
        after.it_value.tv_nsec = 500'000'000;
        timer_settime(lastChance, 0, &after, nullptr);
    }
}

}

void listenForStopRequests()
{
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
}

bool stopRequested()
{
    return requested != 0;
}

void endProcess()
{
    if (requested == 0)
        std::exit(0);
    EndBySignal(requested);
}
