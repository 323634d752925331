#include "idle_watcher.h"

#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace {

// How long a ride may take over its ending before it is killed.
constexpr int endingGraceMilliseconds = 5000;

}

IdleWatcher::IdleWatcher(std::unique_ptr<IdleSource> source, QString program, QStringList rideArguments,
                         QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_program(std::move(program))
    , m_rideArguments(std::move(rideArguments))
{
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, [this] {
        m_source->dispatch();
        armCheck();
    });
}

IdleWatcher::~IdleWatcher()
{
    endRide();
}

void IdleWatcher::start()
{
    m_source->start([this](IdleEvent event) { handle(event); });
    if (m_source->descriptor() >= 0) {
        m_notifier = new QSocketNotifier(m_source->descriptor(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            m_source->dispatch();
            armCheck();
        });
    }
    armCheck();
}

void IdleWatcher::armCheck()
{
    const int wait = m_source->nextCheckMilliseconds();
    if (wait >= 0)
        m_check.start(wait);
    else
        m_check.stop();
}

void IdleWatcher::handle(IdleEvent event)
{
    switch (event) {
    case IdleEvent::Idle:
        // A video player or presentation that holds off idle holds off the ride.
        if (!m_ride && !m_source->inhibited())
            startRide();
        break;
    case IdleEvent::Active:
        if (m_ride && !m_endAsked) {
            m_endAsked = true;
            m_ride->terminate();
            QTimer::singleShot(endingGraceMilliseconds, m_ride, &QProcess::kill);
        }
        break;
    case IdleEvent::Gone:
        if (m_notifier)
            m_notifier->setEnabled(false);
        m_check.stop();
        endRide();
        emit Gone();
        break;
    }
}

void IdleWatcher::startRide()
{
    m_ride = new QProcess(this);
    m_endAsked = false;
    m_ride->setProcessChannelMode(QProcess::ForwardedChannels);
    m_ride->setInputChannelMode(QProcess::ForwardedInputChannel);
    // A watcher killed outright takes its ride along.
    m_ride->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    connect(m_ride, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        rideEnded(status == QProcess::CrashExit || code != 0,
                  status == QProcess::CrashExit ? QStringLiteral("by a signal") : QStringLiteral("with status %1").arg(code));
    });
    connect(m_ride, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            rideEnded(true, m_ride->errorString());
    });
    m_ride->start(m_program, m_rideArguments);
}

void IdleWatcher::rideEnded(bool failed, const QString& how)
{
    if (failed && !m_endAsked)
        std::fprintf(stderr, "Tavrolin.scr: the idle ride ended %s; waiting for the next idle period\n",
                     how.toLocal8Bit().constData());
    m_ride->deleteLater();
    m_ride = nullptr;
    m_endAsked = false;
}

void IdleWatcher::endRide()
{
    if (!m_ride)
        return;
    m_endAsked = true;
    if (m_ride->state() != QProcess::NotRunning) {
        m_ride->terminate();
        if (!m_ride->waitForFinished(endingGraceMilliseconds)) {
            m_ride->kill();
            m_ride->waitForFinished(-1);
        }
    }
    if (m_ride) {
        delete m_ride;
        m_ride = nullptr;
    }
}
