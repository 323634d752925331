#include "engine/stop_request.h"

#include "platform/files/end_by_signal.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

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
    if (requested == 0)
        std::exit(0);
    EndBySignal(requested);
}
