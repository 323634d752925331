#include "files/end_by_signal.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

void EndBySignal(int signalNumber)
{
    std::fflush(nullptr);
    EndBySignalNow(signalNumber);
}

void EndBySignalNow(int signalNumber)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signalNumber, &action, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signalNumber);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signalNumber);
    _exit(128 + signalNumber);
}
