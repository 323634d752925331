#include "kde_idle_source.h"

#include "idle-client-protocol.h"
#include "wayland_idle_globals.h"

#include <algorithm>
#include <wayland-client.h>

struct KdeIdleSource::Objects {
    wl_seat* seat = nullptr;
    org_kde_kwin_idle* notifier = nullptr;
    org_kde_kwin_idle_timeout* notification = nullptr;
};

namespace {

const org_kde_kwin_idle_timeout_listener notificationListener = {
    [](void* data, org_kde_kwin_idle_timeout*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Idle); },
    [](void* data, org_kde_kwin_idle_timeout*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Active); },
};

}

KdeIdleSource::KdeIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds)
    : m_globals(std::move(globals))
    , m_objects(std::make_unique<Objects>())
    , m_timeout(timeoutMilliseconds)
{
}

KdeIdleSource::~KdeIdleSource()
{
    if (m_objects->notification)
        org_kde_kwin_idle_timeout_release(m_objects->notification);
    if (m_objects->notifier)
        org_kde_kwin_idle_destroy(m_objects->notifier);
    if (m_objects->seat)
        wl_seat_destroy(m_objects->seat);
}

void KdeIdleSource::start(Report report)
{
    m_report = [this, report](IdleEvent event) {
        // Nothing after the end has been told.
        if (!m_gone)
            report(event);
        m_gone = m_gone || event == IdleEvent::Gone;
    };
    m_globals->onRemoved = [this] { m_report(IdleEvent::Gone); };
    wl_registry* registry = m_globals->registry();
    m_objects->seat = static_cast<wl_seat*>(
        wl_registry_bind(registry, m_globals->seat().name, &wl_seat_interface, 1));
    m_objects->notifier = static_cast<org_kde_kwin_idle*>(
        wl_registry_bind(registry, m_globals->kdeIdle().name, &org_kde_kwin_idle_interface, 1));
    m_objects->notification
        = org_kde_kwin_idle_get_idle_timeout(m_objects->notifier, m_objects->seat, m_timeout);
    org_kde_kwin_idle_timeout_add_listener(m_objects->notification, &notificationListener, &m_report);
    wl_display_flush(m_globals->display());
}

int KdeIdleSource::descriptor() const
{
    return wl_display_get_fd(m_globals->display());
}

void KdeIdleSource::dispatch()
{
    if (!m_gone && !m_globals->dispatch())
        m_report(IdleEvent::Gone);
}
