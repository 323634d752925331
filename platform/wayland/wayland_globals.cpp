#include "platform/wayland/wayland_globals.h"

// The protocol names an argument "namespace", a C++ keyword; its own includes come first.
#include <cstddef>
#include <cstdint>
#include <wayland-client.h>
#define namespace layerNamespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
#include "xdg-output-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <algorithm>
#include <cstring>
#include <wayland-client.h>

namespace {

void answerPing(void*, xdg_wm_base* windowManager, std::uint32_t serial)
{
    xdg_wm_base_pong(windowManager, serial);
}

const xdg_wm_base_listener windowManagerListener = {answerPing};

template <typename Proxy>
Proxy* bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface, std::uint32_t offered,
            std::uint32_t wanted)
{
    return static_cast<Proxy*>(wl_registry_bind(registry, name, &interface, std::min(offered, wanted)));
}

}

struct WaylandGlobalsEvents {
    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version)
    {
        auto* self = static_cast<WaylandGlobals*>(data);
        if (std::strcmp(interface, wl_compositor_interface.name) == 0 && !self->m_compositor) {
            self->m_compositor = bind<wl_compositor>(registry, name, wl_compositor_interface, version, 4);
        } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0 && !self->m_windowManager) {
            self->m_windowManager = bind<xdg_wm_base>(registry, name, xdg_wm_base_interface, version, 2);
            xdg_wm_base_add_listener(self->m_windowManager, &windowManagerListener, nullptr);
        } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 && !self->m_layerShell) {
            self->m_layerShell = bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface, version, 4);
        } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0 && !self->m_outputManager) {
            self->m_outputManager =
                bind<zxdg_output_manager_v1>(registry, name, zxdg_output_manager_v1_interface, version, 3);
            for (const auto& output : self->m_outputs)
                output->describe(self->m_outputManager);
        } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->m_seatName == 0) {
            self->m_seatName = name;
            self->m_seatVersion = version;
        } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
            self->m_outputs.push_back(std::make_unique<WaylandOutput>(registry, name, version));
            self->m_outputs.back()->describe(self->m_outputManager);
        }
    }

    static void globalRemove(void* data, wl_registry*, std::uint32_t name)
    {
        for (const auto& output : static_cast<WaylandGlobals*>(data)->m_outputs) {
            if (output->globalName() == name)
                output->markRemoved();
        }
    }
};

namespace {

const wl_registry_listener registryListener = {WaylandGlobalsEvents::global, WaylandGlobalsEvents::globalRemove};

}

WaylandGlobals::~WaylandGlobals()
{
    if (m_display == nullptr)
        return;
    m_outputs.clear();
    if (m_outputManager)
        zxdg_output_manager_v1_destroy(m_outputManager);
    if (m_layerShell && zwlr_layer_shell_v1_get_version(m_layerShell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION)
        zwlr_layer_shell_v1_destroy(m_layerShell);
    else if (m_layerShell)
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_layerShell));
    if (m_windowManager)
        xdg_wm_base_destroy(m_windowManager);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

bool WaylandGlobals::connect()
{
    m_display = wl_display_connect(nullptr);
    if (m_display == nullptr)
        return false;
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    // The first round trip brings the globals, the second the outputs' names and scales.
    return wl_display_roundtrip(m_display) >= 0 && wl_display_roundtrip(m_display) >= 0;
}
