#pragma once

#include "platform/wayland/wayland_output.h"

#include <memory>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_registry;
struct xdg_wm_base;
struct zwlr_layer_shell_v1;
struct zxdg_output_manager_v1;

// The connection to the compositor and the globals a ride uses. Owns them all; disconnects on
// destruction.
class WaylandGlobals {
public:
    WaylandGlobals() = default;
    ~WaylandGlobals();
    WaylandGlobals(const WaylandGlobals&) = delete;
    WaylandGlobals& operator=(const WaylandGlobals&) = delete;

    // Connects to WAYLAND_DISPLAY (or wayland-0) and waits until every global and every output's
    // name and scale are known. False: no compositor there, or it failed on the way.
    bool connect();

    wl_display* display() const { return m_display; }
    wl_compositor* compositor() const { return m_compositor; }
    xdg_wm_base* windowManager() const { return m_windowManager; }   // null where not offered
    zwlr_layer_shell_v1* layerShell() const { return m_layerShell; } // null where not offered
    wl_registry* registry() const { return m_registry; }
    // The first seat's global name and version (0: none). Bound by its user, so that the seat's
    // first events reach that user's listener.
    std::uint32_t seatName() const { return m_seatName; }
    std::uint32_t seatVersion() const { return m_seatVersion; }
    // Every output seen, removed ones too (marked): pointers stay valid until destruction.
    const std::vector<std::unique_ptr<WaylandOutput>>& outputs() const { return m_outputs; }

private:
    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    wl_compositor* m_compositor = nullptr;
    xdg_wm_base* m_windowManager = nullptr;
    zwlr_layer_shell_v1* m_layerShell = nullptr;
    zxdg_output_manager_v1* m_outputManager = nullptr;
    std::uint32_t m_seatName = 0;
    std::uint32_t m_seatVersion = 0;
    std::vector<std::unique_ptr<WaylandOutput>> m_outputs;

    friend struct WaylandGlobalsEvents;
};
