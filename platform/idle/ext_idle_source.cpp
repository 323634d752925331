#include "ext_idle_source.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "wayland_idle_globals.h"

namespace {

const ext_idle_notification_v1_listener notificationListener = {
    [](void* data, ext_idle_notification_v1*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Idle); },
    [](void* data, ext_idle_notification_v1*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Active); },
};

}

ExtIdleSource::~ExtIdleSource()
{
    if (m_notification)
        ext_idle_notification_v1_destroy(m_notification);
    if (m_notifier)
        ext_idle_notifier_v1_destroy(m_notifier);
}

void ExtIdleSource::subscribe(WaylandIdleGlobals& globals, wl_seat* seat, std::uint32_t timeoutMilliseconds,
                              Report* report)
{
    m_notifier = static_cast<ext_idle_notifier_v1*>(
        wl_registry_bind(globals.registry(), globals.extIdleNotifier().name, &ext_idle_notifier_v1_interface, 1));
    m_notification = ext_idle_notifier_v1_get_idle_notification(m_notifier, timeoutMilliseconds, seat);
    ext_idle_notification_v1_add_listener(m_notification, &notificationListener, report);
}
