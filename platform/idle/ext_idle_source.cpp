#include "ext_idle_source.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "wayland_idle_globals.h"

#include <algorithm>
#include <wayland-client.h>

struct ExtIdleSource::Objects {
    wl_seat* seat = nullptr;
    ext_idle_notifier_v1* notifier = nullptr;
    ext_idle_notification_v1* notification = nullptr;
};

namespace {

const ext_idle_notification_v1_listener notificationListener = {
    [](void* data, ext_idle_notification_v1*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Idle); },
    [](void* data, ext_idle_notification_v1*) { (*static_cast<IdleSource::Report*>(data))(IdleEvent::Active); },
};

}

ExtIdleSource::ExtIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds)
    : m_globals(std::move(globals))
    , m_objects(std::make_unique<Objects>())
    , m_timeout(timeoutMilliseconds)
{
}

ExtIdleSource::~ExtIdleSource()
{
    if (m_objects->notification)
        ext_idle_notification_v1_destroy(m_objects->notification);
    if (m_objects->notifier)
        ext_idle_notifier_v1_destroy(m_objects->notifier);
    if (m_objects->seat)
        wl_seat_destroy(m_objects->seat);
}

void ExtIdleSource::start(Report report)
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
    m_objects->notifier = static_cast<ext_idle_notifier_v1*>(
        wl_registry_bind(registry, m_globals->extIdleNotifier().name, &ext_idle_notifier_v1_interface, 1));
    m_objects->notification
        = ext_idle_notifier_v1_get_idle_notification(m_objects->notifier, m_timeout, m_objects->seat);
    ext_idle_notification_v1_add_listener(m_objects->notification, &notificationListener, &m_report);
    wl_display_flush(m_globals->display());
}

int ExtIdleSource::descriptor() const
{
    return wl_display_get_fd(m_globals->display());
}

void ExtIdleSource::dispatch()
{
    if (!m_gone && !m_globals->dispatch())
        m_report(IdleEvent::Gone);
}
