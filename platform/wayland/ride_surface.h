#pragma once

#include "platform/gl/drawing_size.h"
#include "platform/wayland/layer_role.h"
#include "platform/wayland/surface_configure.h"
#include "platform/wayland/toplevel_role.h"

#include <memory>
#include <vector>

class WaylandGlobals;
class WaylandOutput;
struct wl_callback;
struct wl_surface;

// The surface the ride draws on, in the role the compositor allows: a layer surface where the
// layer shell is offered (unless a window is asked for), else a full-screen xdg toplevel.
class RideSurface {
public:
    RideSurface() = default;
    ~RideSurface();
    RideSurface(const RideSurface&) = delete;
    RideSurface& operator=(const RideSurface&) = delete;

    // Makes the surface on `output` (null: the compositor chooses) and commits it without a
    // buffer, so that a configure follows. False where the compositor offers no role.
    bool create(const WaylandGlobals& globals, WaylandOutput* output, bool background, bool window);

    wl_surface* surface() const { return m_surface; }
    const SurfaceConfigure& configure() const { return m_configure; }

    // The surface's size in buffer pixels: the configured size (or the output's mode where the
    // compositor leaves it to the client) times the buffer scale, bounded by SurfacePixels.
    DrawingSize pixels() const;
    // The output's scale (or the largest of the outputs the surface is on and has not left),
    // within BoundedBufferScale.
    int bufferScale() const;
    // The context's largest viewport, once one is current: a further bound on the pixels.
    void setLargestViewport(int width, int height);

    // Before the commit that draws: acknowledges a pending configure and sets the buffer scale.
    void prepareCommit();

    // Asks for a frame callback on the next commit; frameDue() turns true once the compositor
    // wants the next frame. True before the first frame.
    void requestFrame();
    bool frameDue() const { return m_frameDue; }

private:
    wl_surface* m_surface = nullptr;
    wl_callback* m_frameCallback = nullptr;
    WaylandOutput* m_output = nullptr;
    std::vector<WaylandOutput*> m_enteredOutputs;
    DrawingSize m_largestViewport{0, 0};
    std::unique_ptr<LayerRole> m_layerRole;
    std::unique_ptr<ToplevelRole> m_toplevelRole;
    SurfaceConfigure m_configure;
    int m_committedScale = 1;
    bool m_frameDue = true;

    // The output that sizes the surface: the one asked for, else the largest entered; may be null.
    const WaylandOutput* sizingOutput() const;
    int fallbackWidth() const;
    int fallbackHeight() const;

    friend struct RideSurfaceEvents;
};
