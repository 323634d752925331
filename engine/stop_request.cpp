#include "engine/stop_request.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t requested = 0;

void recordRequest(int signalNumber)
{
    if (requested == 0)
        requested = signalNumber;
}

}

void listenForStopRequests()
{
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
    const int signalNumber = requested;
    if (signalNumber == 0)
        std::exit(0);
    std::fflush(nullptr);
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(signalNumber);
    _exit(128 + signalNumber);
}
