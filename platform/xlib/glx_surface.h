#pragma once

#include "platform/xlib/config_choice.h"

#include <GL/glx.h>

// The ride's GLX side on one window: the config chosen by ChooseConfig from the server's list,
// its visual for the window, the context and the swap. Needs GLX 1.3.
class GlxSurface {
public:
    GlxSurface() = default;
    ~GlxSurface();
    GlxSurface(const GlxSurface&) = delete;
    GlxSurface& operator=(const GlxSurface&) = delete;

    // Chooses the config. Null on success, else the reason, for one line on stderr.
    const char* choose(Display* display, int screen);
    // The chosen config's X visual, for the window (owned here).
    const XVisualInfo* visual() const { return m_visual; }

    // Makes a context of the chosen config current on the window. Null on success, else the
    // reason.
    const char* attach(Window window);
    // Whether the back buffer holds the last frame now: the config's promise or buffer age 1.
    bool backBufferKept() const;
    void swap();
    // Lets go of the context (made current again by nobody) and the GLX window.
    void close();

private:
    Display* m_display = nullptr;
    GLXFBConfig m_config = nullptr;
    ConfigAttributes m_attributes;
    bool m_swapMethodOffered = false;
    XVisualInfo* m_visual = nullptr;
    GLXContext m_context = nullptr;
    GLXWindow m_window = 0;
};
