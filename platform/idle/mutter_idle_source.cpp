#include "mutter_idle_source.h"

#include "wayland_idle_globals.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <wayland-client.h>

namespace {

const QString monitorService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString monitorPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString monitorInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");
// InhibitedActions: 8 is "idle", what video players and presentations ask for.
constexpr uint inhibitIdle = 8;

QDBusMessage monitorCall(const QString& method)
{
    return QDBusMessage::createMethodCall(monitorService, monitorPath, monitorInterface, method);
}

}

MutterIdleSource::MutterIdleSource(std::uint32_t timeoutMilliseconds, std::unique_ptr<WaylandIdleGlobals> compositor)
    : m_bus(QDBusConnection::sessionBus())
    , m_compositor(std::move(compositor))
    , m_timeout(timeoutMilliseconds)
{
}

MutterIdleSource::~MutterIdleSource() = default;

int MutterIdleSource::descriptor() const
{
    return m_compositor ? wl_display_get_fd(m_compositor->display()) : -1;
}

void MutterIdleSource::dispatch()
{
    if (m_compositor && !m_compositor->dispatch())
        gone();
}

bool MutterIdleSource::Offered()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(monitorService).value();
}

void MutterIdleSource::start(Report report)
{
    m_report = std::move(report);
    m_bus.connect(monitorService, monitorPath, monitorInterface, QStringLiteral("WatchFired"), this,
                  SLOT(watchFired(uint)));
    // Mutter gone, or the bus itself.
    auto* watcher = new QDBusServiceWatcher(monitorService, m_bus, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &MutterIdleSource::gone);
    m_bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"), QStringLiteral("org.freedesktop.DBus.Local"),
                  QStringLiteral("Disconnected"), this, SLOT(gone()));
    QDBusMessage call = monitorCall(QStringLiteral("AddIdleWatch"));
    call << static_cast<qulonglong>(m_timeout);
    const QDBusReply<uint> reply = m_bus.call(call);
    if (!reply.isValid()) {
        // Told from the event loop, as every other event.
        QMetaObject::invokeMethod(this, &MutterIdleSource::gone, Qt::QueuedConnection);
        return;
    }
    m_idleWatch = reply.value();
}

void MutterIdleSource::watchFired(uint id)
{
    if (m_gone)
        return;
    if (id == m_idleWatch && m_idleWatch != 0) {
        // A user-active watch fires once, at the next input.
        const QDBusReply<uint> reply = m_bus.call(monitorCall(QStringLiteral("AddUserActiveWatch")));
        if (!reply.isValid()) {
            gone();
            return;
        }
        m_activeWatch = reply.value();
        m_report(IdleEvent::Idle);
    } else if (id == m_activeWatch && m_activeWatch != 0) {
        m_activeWatch = 0;
        m_report(IdleEvent::Active);
    }
}

void MutterIdleSource::gone()
{
    if (m_gone)
        return;
    m_gone = true;
    m_report(IdleEvent::Gone);
}

bool MutterIdleSource::inhibited()
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.SessionManager"),
                                                       QStringLiteral("/org/gnome/SessionManager"),
                                                       QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << QStringLiteral("org.gnome.SessionManager") << QStringLiteral("InhibitedActions");
    // No session manager: nothing inhibits.
    const QDBusReply<QDBusVariant> reply = m_bus.call(call, QDBus::Block, 2000);
    return reply.isValid() && (reply.value().variant().toUInt() & inhibitIdle) != 0;
}
