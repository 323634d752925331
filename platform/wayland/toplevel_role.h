#pragma once

#include "platform/wayland/surface_configure.h"

#include <cstdint>

struct wl_output;
struct wl_surface;
struct xdg_surface;
struct xdg_toplevel;
struct xdg_wm_base;

// An ordinary window, "Tavrolin_VC" of app "tavrolin", made full screen on one output (null: the
// compositor's choice), for compositors without the layer shell.
class ToplevelRole {
public:
    ToplevelRole(xdg_wm_base* windowManager, wl_surface* surface, wl_output* output, SurfaceConfigure& configure);
    ~ToplevelRole();
    ToplevelRole(const ToplevelRole&) = delete;
    ToplevelRole& operator=(const ToplevelRole&) = delete;

    void acknowledge(std::uint32_t serial);

private:
    xdg_surface* m_xdgSurface;
    xdg_toplevel* m_toplevel;
    SurfaceConfigure& m_configure;
    int m_pendingWidth = 0;
    int m_pendingHeight = 0;

    friend struct ToplevelRoleEvents;
};
