#include "platform/wayland/wayland_output.h"

#include "xdg-output-unstable-v1-client-protocol.h"

#include <algorithm>
#include <wayland-client.h>

struct WaylandOutputEvents {
    static void geometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                         const char*, const char*, std::int32_t)
    {
    }

    static void mode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t)
    {
        if ((flags & WL_OUTPUT_MODE_CURRENT) == 0)
            return;
        auto* self = static_cast<WaylandOutput*>(data);
        self->m_modeWidth = width;
        self->m_modeHeight = height;
    }

    static void done(void*, wl_output*) {}

    static void scale(void* data, wl_output*, std::int32_t factor)
    {
        static_cast<WaylandOutput*>(data)->m_scale = std::max(1, factor);
    }

    static void name(void* data, wl_output*, const char* text)
    {
        static_cast<WaylandOutput*>(data)->m_name = text ? text : "";
    }

    static void description(void*, wl_output*, const char*) {}

    static void xdgPosition(void*, zxdg_output_v1*, std::int32_t, std::int32_t) {}
    static void xdgSize(void*, zxdg_output_v1*, std::int32_t, std::int32_t) {}
    static void xdgDone(void*, zxdg_output_v1*) {}

    static void xdgName(void* data, zxdg_output_v1*, const char* text)
    {
        auto* self = static_cast<WaylandOutput*>(data);
        // wl_output's own name wins where the compositor sends both.
        if (self->m_version < 4)
            self->m_name = text ? text : "";
    }

    static void xdgDescription(void*, zxdg_output_v1*, const char*) {}
};

namespace {

const wl_output_listener outputListener = {
    WaylandOutputEvents::geometry, WaylandOutputEvents::mode,  WaylandOutputEvents::done,
    WaylandOutputEvents::scale,    WaylandOutputEvents::name,  WaylandOutputEvents::description,
};

const zxdg_output_v1_listener xdgOutputListener = {
    WaylandOutputEvents::xdgPosition, WaylandOutputEvents::xdgSize,        WaylandOutputEvents::xdgDone,
    WaylandOutputEvents::xdgName,     WaylandOutputEvents::xdgDescription,
};

}

WaylandOutput::WaylandOutput(wl_registry* registry, std::uint32_t globalName, std::uint32_t version)
    : m_globalName(globalName), m_version(std::min<std::uint32_t>(version, 4))
{
    m_output = static_cast<wl_output*>(wl_registry_bind(registry, globalName, &wl_output_interface, m_version));
    wl_output_add_listener(m_output, &outputListener, this);
}

WaylandOutput::~WaylandOutput()
{
    if (m_xdgOutput)
        zxdg_output_v1_destroy(m_xdgOutput);
    if (m_version >= WL_OUTPUT_RELEASE_SINCE_VERSION)
        wl_output_release(m_output);
    else
        wl_output_destroy(m_output);
}

void WaylandOutput::describe(zxdg_output_manager_v1* manager)
{
    if (manager == nullptr || m_version >= 4 || m_xdgOutput != nullptr)
        return;
    m_xdgOutput = zxdg_output_manager_v1_get_xdg_output(manager, m_output);
    zxdg_output_v1_add_listener(m_xdgOutput, &xdgOutputListener, this);
}

WaylandOutput* WaylandOutput::from(wl_output* output)
{
    if (output == nullptr || wl_proxy_get_listener(reinterpret_cast<wl_proxy*>(output)) != &outputListener)
        return nullptr;
    return static_cast<WaylandOutput*>(wl_output_get_user_data(output));
}
