#include "platform/wayland/ride_surface.h"

#include "platform/wayland/surface_pixels.h"
#include "platform/wayland/wayland_globals.h"

#include <algorithm>
#include <wayland-client.h>

namespace {

// Where the compositor leaves the size to the client and says nothing of the output either.
constexpr int defaultWidth = 1280;
constexpr int defaultHeight = 720;

}

struct RideSurfaceEvents {
    static void enter(void* data, wl_surface*, wl_output* output)
    {
        auto* self = static_cast<RideSurface*>(data);
        WaylandOutput* entered = WaylandOutput::from(output);
        auto& outputs = self->m_enteredOutputs;
        if (entered && std::find(outputs.begin(), outputs.end(), entered) == outputs.end())
            outputs.push_back(entered);
    }

    static void leave(void* data, wl_surface*, wl_output* output)
    {
        auto& outputs = static_cast<RideSurface*>(data)->m_enteredOutputs;
        outputs.erase(std::remove(outputs.begin(), outputs.end(), WaylandOutput::from(output)), outputs.end());
    }

    static void frameDone(void* data, wl_callback* callback, std::uint32_t)
    {
        auto* self = static_cast<RideSurface*>(data);
        wl_callback_destroy(callback);
        self->m_frameCallback = nullptr;
        self->m_frameDue = true;
    }
};

namespace {

const wl_surface_listener surfaceListener = {RideSurfaceEvents::enter, RideSurfaceEvents::leave};
const wl_callback_listener frameListener = {RideSurfaceEvents::frameDone};

}

RideSurface::~RideSurface()
{
    if (m_frameCallback)
        wl_callback_destroy(m_frameCallback);
    m_layerRole.reset();
    m_toplevelRole.reset();
    if (m_surface)
        wl_surface_destroy(m_surface);
}

bool RideSurface::create(const WaylandGlobals& globals, WaylandOutput* output, bool background, bool window)
{
    if (globals.compositor() == nullptr)
        return false;
    const bool layered = globals.layerShell() != nullptr && !window;
    if (!layered && globals.windowManager() == nullptr)
        return false;
    m_output = output;
    m_surface = wl_compositor_create_surface(globals.compositor());
    wl_surface_add_listener(m_surface, &surfaceListener, this);
    wl_output* target = output ? output->output() : nullptr;
    if (layered)
        m_layerRole = std::make_unique<LayerRole>(globals.layerShell(), m_surface, target, background, m_configure);
    else
        m_toplevelRole = std::make_unique<ToplevelRole>(globals.windowManager(), m_surface, target, m_configure);
    wl_surface_commit(m_surface);
    return true;
}

const WaylandOutput* RideSurface::sizingOutput() const
{
    if (m_output)
        return m_output;
    const WaylandOutput* largest = nullptr;
    for (const WaylandOutput* output : m_enteredOutputs) {
        if (!largest || output->scale() > largest->scale())
            largest = output;
    }
    return largest;
}

int RideSurface::bufferScale() const
{
    const WaylandOutput* output = sizingOutput();
    return BoundedBufferScale(output ? output->scale() : 1);
}

void RideSurface::setLargestViewport(int width, int height)
{
    m_largestViewport = {width, height};
}

int RideSurface::fallbackWidth() const
{
    const WaylandOutput* output = sizingOutput();
    return output && output->modeWidth() > 0 ? output->modeWidth() / bufferScale() : defaultWidth;
}

int RideSurface::fallbackHeight() const
{
    const WaylandOutput* output = sizingOutput();
    return output && output->modeHeight() > 0 ? output->modeHeight() / bufferScale() : defaultHeight;
}

DrawingSize RideSurface::pixels() const
{
    const WaylandOutput* output = sizingOutput();
    const int width = m_configure.width > 0 ? m_configure.width : fallbackWidth();
    const int height = m_configure.height > 0 ? m_configure.height : fallbackHeight();
    const DrawingSize mode = output ? DrawingSize{output->modeWidth(), output->modeHeight()} : DrawingSize{0, 0};
    return SurfacePixels(width, height, bufferScale(), mode, m_largestViewport);
}

void RideSurface::prepareCommit()
{
    if (m_configure.unacknowledged) {
        if (m_layerRole)
            m_layerRole->acknowledge(m_configure.serial);
        else if (m_toplevelRole)
            m_toplevelRole->acknowledge(m_configure.serial);
        m_configure.unacknowledged = false;
    }
    const int scale = bufferScale();
    if (scale != m_committedScale) {
        wl_surface_set_buffer_scale(m_surface, scale);
        m_committedScale = scale;
    }
}

void RideSurface::requestFrame()
{
    if (m_frameCallback)
        wl_callback_destroy(m_frameCallback);
    m_frameCallback = wl_surface_frame(m_surface);
    wl_callback_add_listener(m_frameCallback, &frameListener, this);
    m_frameDue = false;
}
