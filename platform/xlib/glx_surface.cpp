#include "platform/xlib/glx_surface.h"

#include "platform/gl/back_buffer_age.h"
#include "platform/gl/glx_extension.h"

#include <GL/glxext.h>
#include <vector>

#ifndef GLX_SWAP_METHOD_OML
#define GLX_SWAP_METHOD_OML 0x8060
#define GLX_SWAP_EXCHANGE_OML 0x8061
#define GLX_SWAP_COPY_OML 0x8062
#define GLX_SWAP_UNDEFINED_OML 0x8063
#endif

namespace {

SwapMethod swapMethod(int value)
{
    switch (value) {
    case GLX_SWAP_EXCHANGE_OML:
        return SwapMethod::Exchange;
    case GLX_SWAP_COPY_OML:
        return SwapMethod::Copy;
    case GLX_SWAP_UNDEFINED_OML:
        return SwapMethod::Undefined;
    default:
        return SwapMethod::Unknown;
    }
}

ConfigAttributes attributesOf(Display* display, GLXFBConfig config, bool swapMethodOffered)
{
    const auto get = [&](int attribute) {
        int value = 0;
        return glXGetFBConfigAttrib(display, config, attribute, &value) == Success ? value : 0;
    };
    ConfigAttributes attributes;
    attributes.windows = (get(GLX_DRAWABLE_TYPE) & GLX_WINDOW_BIT) != 0;
    attributes.rgba = (get(GLX_RENDER_TYPE) & GLX_RGBA_BIT) != 0;
    const int visualType = get(GLX_X_VISUAL_TYPE);
    attributes.visual = get(GLX_VISUAL_ID) != 0 && (visualType == GLX_TRUE_COLOR || visualType == GLX_DIRECT_COLOR);
    attributes.doubleBuffered = get(GLX_DOUBLEBUFFER) != 0;
    attributes.slow = get(GLX_CONFIG_CAVEAT) == GLX_SLOW_CONFIG;
    attributes.redBits = get(GLX_RED_SIZE);
    attributes.greenBits = get(GLX_GREEN_SIZE);
    attributes.blueBits = get(GLX_BLUE_SIZE);
    attributes.alphaBits = get(GLX_ALPHA_SIZE);
    attributes.depthBits = get(GLX_DEPTH_SIZE);
    attributes.stencilBits = get(GLX_STENCIL_SIZE);
    attributes.samples = get(GLX_SAMPLE_BUFFERS) != 0 ? get(GLX_SAMPLES) : 0;
    if (swapMethodOffered)
        attributes.swapMethod = swapMethod(get(GLX_SWAP_METHOD_OML));
    return attributes;
}

}

GlxSurface::~GlxSurface()
{
    close();
    if (m_visual)
        XFree(m_visual);
}

const char* GlxSurface::choose(Display* display, int screen)
{
    m_display = display;
    int major = 0;
    int minor = 0;
    if (!glXQueryVersion(display, &major, &minor))
        return "the X server offers no GLX";
    if (major < 1 || (major == 1 && minor < 3))
        return "the X server's GLX is older than 1.3";
    m_swapMethodOffered = HasGlxExtension(display, screen, "GLX_OML_swap_method");
    int count = 0;
    GLXFBConfig* configs = glXGetFBConfigs(display, screen, &count);
    std::vector<ConfigAttributes> attributes;
    for (int i = 0; i < count; ++i)
        attributes.push_back(attributesOf(display, configs[i], m_swapMethodOffered));
    const int chosen = ChooseConfig(attributes, m_swapMethodOffered);
    if (chosen >= 0) {
        m_config = configs[chosen];
        m_attributes = attributes[static_cast<std::size_t>(chosen)];
        m_visual = glXGetVisualFromFBConfig(display, m_config);
    }
    if (configs)
        XFree(configs);
    if (!m_visual)
        return "the X server offers no double-buffered GLX config with depth";
    return nullptr;
}

const char* GlxSurface::attach(Window window)
{
    m_context = glXCreateNewContext(m_display, m_config, GLX_RGBA_TYPE, nullptr, True);
    if (m_context)
        m_window = glXCreateWindow(m_display, m_config, window, nullptr);
    XSync(m_display, False);
    if (!m_context || !m_window || !glXMakeContextCurrent(m_display, m_window, m_window, m_context))
        return "the X server refused the GLX config";
    return nullptr;
}

bool GlxSurface::backBufferKept() const
{
    // The driver is asked every frame only where the config promises nothing.
    const bool promised = BackBufferKept(m_attributes, m_swapMethodOffered, -1);
    return promised || BackBufferKept(m_attributes, m_swapMethodOffered, BackBufferAge());
}

void GlxSurface::swap()
{
    glXSwapBuffers(m_display, m_window);
}

void GlxSurface::close()
{
    if (!m_display)
        return;
    if (m_context) {
        glXMakeContextCurrent(m_display, None, None, nullptr);
        glXDestroyContext(m_display, m_context);
    }
    if (m_window)
        glXDestroyWindow(m_display, m_window);
    m_context = nullptr;
    m_window = 0;
}
