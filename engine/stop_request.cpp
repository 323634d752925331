#include "engine/stop_request.h"

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t requested = 0;

void recordRequest(int)
{
    requested = 1;
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
