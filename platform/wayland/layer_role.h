#pragma once

#include "platform/wayland/surface_configure.h"

#include <cstdint>

struct wl_output;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// A surface on a layer of one output (null: the compositor's choice), stretched over the whole
// output above every zone. Overlay with the keyboard held for the ride; background without it.
class LayerRole {
public:
    LayerRole(zwlr_layer_shell_v1* shell, wl_surface* surface, wl_output* output, bool background,
              SurfaceConfigure& configure);
    ~LayerRole();
    LayerRole(const LayerRole&) = delete;
    LayerRole& operator=(const LayerRole&) = delete;

    void acknowledge(std::uint32_t serial);

private:
    zwlr_layer_surface_v1* m_layerSurface;
    SurfaceConfigure& m_configure;

    friend struct LayerRoleEvents;
};
