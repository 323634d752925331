#include "platform/wayland/layer_role.h"

// The protocol names an argument "namespace", a C++ keyword; its own includes come first.
#include <cstddef>
#include <cstdint>
#include <wayland-client.h>
#define namespace layerNamespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace

struct LayerRoleEvents {
    static void configure(void* data, zwlr_layer_surface_v1*, std::uint32_t serial, std::uint32_t width,
                          std::uint32_t height)
    {
        SurfaceConfigure& state = static_cast<LayerRole*>(data)->m_configure;
        state.width = static_cast<int>(width);
        state.height = static_cast<int>(height);
        state.serial = serial;
        state.unacknowledged = true;
        state.configured = true;
    }

    static void closed(void* data, zwlr_layer_surface_v1*)
    {
        static_cast<LayerRole*>(data)->m_configure.closed = true;
    }
};

namespace {

const zwlr_layer_surface_v1_listener layerListener = {LayerRoleEvents::configure, LayerRoleEvents::closed};

constexpr std::uint32_t allEdges = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM
    | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

}

LayerRole::LayerRole(zwlr_layer_shell_v1* shell, wl_surface* surface, wl_output* output, bool background,
                     SurfaceConfigure& configure)
    : m_configure(configure)
{
    m_layerSurface = zwlr_layer_shell_v1_get_layer_surface(
        shell, surface, output, background ? ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND : ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY,
        "tavrolin");
    zwlr_layer_surface_v1_add_listener(m_layerSurface, &layerListener, this);
    // 0×0 anchored everywhere: the compositor gives the output's size.
    zwlr_layer_surface_v1_set_size(m_layerSurface, 0, 0);
    zwlr_layer_surface_v1_set_anchor(m_layerSurface, allEdges);
    zwlr_layer_surface_v1_set_exclusive_zone(m_layerSurface, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        m_layerSurface, background ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE
                                   : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
}

LayerRole::~LayerRole()
{
    zwlr_layer_surface_v1_destroy(m_layerSurface);
}

void LayerRole::acknowledge(std::uint32_t serial)
{
    zwlr_layer_surface_v1_ack_configure(m_layerSurface, serial);
}
