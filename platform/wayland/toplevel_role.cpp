#include "platform/wayland/toplevel_role.h"

#include "xdg-shell-client-protocol.h"

struct ToplevelRoleEvents {
    // The toplevel's size comes first; the surface's configure closes the set with its serial.
    static void surfaceConfigure(void* data, xdg_surface*, std::uint32_t serial)
    {
        auto* self = static_cast<ToplevelRole*>(data);
        SurfaceConfigure& state = self->m_configure;
        state.width = self->m_pendingWidth;
        state.height = self->m_pendingHeight;
        state.serial = serial;
        state.unacknowledged = true;
        state.configured = true;
    }

    static void toplevelConfigure(void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*)
    {
        auto* self = static_cast<ToplevelRole*>(data);
        self->m_pendingWidth = width > 0 ? width : 0;
        self->m_pendingHeight = height > 0 ? height : 0;
    }

    static void bounds(void*, xdg_toplevel*, std::int32_t, std::int32_t) {}
    static void capabilities(void*, xdg_toplevel*, wl_array*) {}

    static void close(void* data, xdg_toplevel*)
    {
        static_cast<ToplevelRole*>(data)->m_configure.closed = true;
    }
};

namespace {

const xdg_surface_listener surfaceListener = {ToplevelRoleEvents::surfaceConfigure};
const xdg_toplevel_listener toplevelListener = {ToplevelRoleEvents::toplevelConfigure, ToplevelRoleEvents::close,
                                                ToplevelRoleEvents::bounds, ToplevelRoleEvents::capabilities};

}

ToplevelRole::ToplevelRole(xdg_wm_base* windowManager, wl_surface* surface, wl_output* output,
                           SurfaceConfigure& configure)
    : m_configure(configure)
{
    m_xdgSurface = xdg_wm_base_get_xdg_surface(windowManager, surface);
    xdg_surface_add_listener(m_xdgSurface, &surfaceListener, this);
    m_toplevel = xdg_surface_get_toplevel(m_xdgSurface);
    xdg_toplevel_add_listener(m_toplevel, &toplevelListener, this);
    xdg_toplevel_set_title(m_toplevel, "Tavrolin_VC");
    xdg_toplevel_set_app_id(m_toplevel, "tavrolin");
    xdg_toplevel_set_fullscreen(m_toplevel, output);
}

ToplevelRole::~ToplevelRole()
{
    xdg_toplevel_destroy(m_toplevel);
    xdg_surface_destroy(m_xdgSurface);
}

void ToplevelRole::acknowledge(std::uint32_t serial)
{
    xdg_surface_ack_configure(m_xdgSurface, serial);
}
