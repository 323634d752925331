#include "engine/stop_request.h"

#include <csignal>
#include <ctime>
#include <initializer_list>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t requested = 0;
timer_t lastChance{};
bool haveLastChance = false;

void endNow(int)
{
    _exit(0);
}

void recordRequest(int)
{
    if (requested == 0 && haveLastChance) {
        itimerspec after{};
        after.it_value.tv_nsec = 500'000'000;
        timer_settime(lastChance, 0, &after, nullptr);
    }
    requested = 1;
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
