#include "signal_watch.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace {

int pipeEnds[2] = {-1, -1};
constexpr int stopSignals[] = {SIGTERM, SIGINT, SIGHUP};

void writeSignal(int signalNumber)
{
    const int savedError = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(pipeEnds[1], &byte, 1);
    errno = savedError;
}

}

SignalWatch::SignalWatch(QObject* parent)
    : QObject(parent)
{
    // Close-on-exec: the engine must not inherit either end.
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatch::readSignals);

    struct sigaction action {};
    action.sa_handler = writeSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : stopSignals)
        sigaction(signalNumber, &action, nullptr);
}

SignalWatch::~SignalWatch()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signalNumber : stopSignals)
        sigaction(signalNumber, &action, nullptr);
    if (pipeEnds[0] >= 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        pipeEnds[0] = pipeEnds[1] = -1;
    }
}

void SignalWatch::readSignals()
{
    unsigned char byte = 0;
    while (read(pipeEnds[0], &byte, 1) == 1)
        emit Stop(byte);
}
