#include "kde_idle_source.h"

#include "idle-client-protocol.h"
#include "wayland_idle_globals.h"

namespace {

const org_kde_kwin_idle_timeout_listener notificationListener = {
    [](void* data, org_kde_kwin_idle_timeout*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Idle); },
    [](void* data, org_kde_kwin_idle_timeout*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Active); },
};

}

KdeIdleSource::~KdeIdleSource()
{
    if (m_notification)
        org_kde_kwin_idle_timeout_release(m_notification);
    if (m_notifier)
        org_kde_kwin_idle_destroy(m_notifier);
}

void KdeIdleSource::subscribe(WaylandIdleGlobals& globals, wl_seat* seat, std::uint32_t timeoutMilliseconds,
                              Report* report)
{
    m_notifier = static_cast<org_kde_kwin_idle*>(
        wl_registry_bind(globals.registry(), globals.kdeIdle().name, &org_kde_kwin_idle_interface, 1));
    m_notification = org_kde_kwin_idle_get_idle_timeout(m_notifier, seat, timeoutMilliseconds);
    org_kde_kwin_idle_timeout_add_listener(m_notification, &notificationListener, report);
}
