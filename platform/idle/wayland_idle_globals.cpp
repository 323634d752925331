#include "wayland_idle_globals.h"

#include <cerrno>
#include <cstring>
#include <wayland-client.h>

namespace {

const wl_registry_listener registryListener = {
    &WaylandIdleGlobals::global,
    &WaylandIdleGlobals::globalRemove,
};

}

WaylandIdleGlobals::WaylandIdleGlobals()
{
    m_display = wl_display_connect(nullptr);
    if (!m_display)
        return;
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    if (wl_display_roundtrip(m_display) < 0) {
        wl_registry_destroy(m_registry);
        wl_display_disconnect(m_display);
        m_registry = nullptr;
        m_display = nullptr;
    }
}

WaylandIdleGlobals::~WaylandIdleGlobals()
{
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_display)
        wl_display_disconnect(m_display);
}

void WaylandIdleGlobals::global(void* data, wl_registry*, std::uint32_t name, const char* interface,
                                std::uint32_t version)
{
    auto* globals = static_cast<WaylandIdleGlobals*>(data);
    if (std::strcmp(interface, "wl_seat") == 0 && !globals->m_seat)
        globals->m_seat = {name, version};
    else if (std::strcmp(interface, "ext_idle_notifier_v1") == 0)
        globals->m_extIdleNotifier = {name, version};
    else if (std::strcmp(interface, "org_kde_kwin_idle") == 0)
        globals->m_kdeIdle = {name, version};
}

void WaylandIdleGlobals::globalRemove(void* data, wl_registry*, std::uint32_t name)
{
    auto* globals = static_cast<WaylandIdleGlobals*>(data);
    const bool needed = name == globals->m_seat.name || name == globals->m_extIdleNotifier.name
        || name == globals->m_kdeIdle.name;
    if (needed && globals->onRemoved)
        globals->onRemoved();
}

bool WaylandIdleGlobals::dispatch()
{
    // Called when the socket can be read, so this does not block.
    if (wl_display_dispatch(m_display) < 0)
        return false;
    return wl_display_flush(m_display) >= 0 || errno == EAGAIN;
}
