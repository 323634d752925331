#pragma once

#include "platform/idle/idle_source.h"

#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <memory>

class QSocketNotifier;

// Starts a ride (this program with /s) when the idle source says the session is idle, and ends
// it with SIGTERM at the next input, also while it is still starting. A ride that ends by itself
// with a failure is said once; the next ride waits for input and a new idle period.
class IdleWatcher : public QObject {
    Q_OBJECT

public:
    IdleWatcher(std::unique_ptr<IdleSource> source, QString program, QStringList rideArguments,
                QObject* parent = nullptr);
    ~IdleWatcher() override;

    void start();
    // Ends the ride, if one runs, and waits until it has.
    void endRide();

signals:
    // The source has gone (the session ended); the ride has been ended already.
    void Gone();

private:
    void handle(IdleEvent event);
    void startRide();
    void rideEnded(bool failed, const QString& how);
    void armCheck();

    std::unique_ptr<IdleSource> m_source;
    QString m_program;
    QStringList m_rideArguments;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_check;
    QProcess* m_ride = nullptr;
    bool m_endAsked = false;
};
