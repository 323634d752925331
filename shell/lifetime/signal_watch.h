#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP, the ways managers, terminals and logouts end a program, brought
// into the event loop: the handler only writes a byte to a pipe, and Stop is emitted from the
// loop, where the normal ending can run. Only one may exist; it listens while it lives.
class SignalWatch : public QObject {
    Q_OBJECT

public:
    explicit SignalWatch(QObject* parent = nullptr);
    ~SignalWatch() override;

signals:
    // A stop signal has arrived (emitted once per signal).
    void Stop(int signalNumber);

private:
    void readSignals();

    QSocketNotifier* m_notifier = nullptr;
};
