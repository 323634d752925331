#include "wayland_idle_source.h"

#include "wayland_idle_globals.h"

#include <wayland-client.h>

WaylandIdleSource::WaylandIdleSource(std::unique_ptr<WaylandIdleGlobals> globals, std::uint32_t timeoutMilliseconds)
    : m_globals(std::move(globals))
    , m_timeout(timeoutMilliseconds)
{
}

WaylandIdleSource::~WaylandIdleSource()
{
    if (m_seat)
        wl_seat_destroy(m_seat);
}

void WaylandIdleSource::start(Report report)
{
    m_report = [this, report](IdleEvent event) {
        // Nothing after the end has been told.
        if (!m_gone)
            report(event);
        m_gone = m_gone || event == IdleEvent::Gone;
    };
    m_globals->onRemoved = [this] { m_report(IdleEvent::Gone); };
    m_seat = static_cast<wl_seat*>(wl_registry_bind(m_globals->registry(), m_globals->seat().name, &wl_seat_interface, 1));
    subscribe(*m_globals, m_seat, m_timeout, &m_report);
    wl_display_flush(m_globals->display());
}

int WaylandIdleSource::descriptor() const
{
    return wl_display_get_fd(m_globals->display());
}

void WaylandIdleSource::dispatch()
{
    if (!m_gone && !m_globals->dispatch())
        m_report(IdleEvent::Gone);
}
