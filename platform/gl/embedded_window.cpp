#include "embedded_window.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <cstdlib>

namespace {

bool trappedError = false;
int (*defaultHandler)(Display*, XErrorEvent*) = nullptr;
// A window or drawable error came while the adopted window was drawn into.
bool drawingFailed = false;

// Once adopted, the window goes with its host, and the next drawing into it fails: that is the
// end of the ride, which follow() reports, not a fault.
int endWithHost(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        drawingFailed = true;
        return 0;
    }
    return defaultHandler ? defaultHandler(display, error) : 0;
}

int recordError(Display*, XErrorEvent*)
{
    trappedError = true;
    return 0;
}

// Runs the requests of `requests` and waits for their answers; false when any failed, as they do
// when the host vanishes in between.
template <typename Requests>
bool succeeds(Display* display, Requests requests)
{
    XSync(display, False);
    trappedError = false;
    auto* const previous = XSetErrorHandler(recordError);
    requests();
    XSync(display, False);
    XSetErrorHandler(previous);
    return !trappedError;
}

}

EmbeddedWindow::~EmbeddedWindow()
{
    // Whatever closes the display later must not meet this window's handler.
    if (m_handlerSet) {
        XSetErrorHandler(defaultHandler);
        defaultHandler = nullptr;
    }
    if (m_display)
        XCloseDisplay(m_display);
}

bool EmbeddedWindow::open(unsigned long host)
{
    if (host == 0)
        return false;
    if (!m_display)
        m_display = XOpenDisplay(nullptr);
    if (!m_display)
        return false;
    XWindowAttributes attributes{};
    const bool exists = succeeds(m_display, [&] {
        XSelectInput(m_display, host, StructureNotifyMask);
        XGetWindowAttributes(m_display, host, &attributes);
    });
    if (!exists)
        return false;
    m_host = host;
    m_hostSize = {attributes.width, attributes.height};
    bound();
    m_hostMapped = attributes.map_state != IsUnmapped;
    return true;
}

bool EmbeddedWindow::bound()
{
    // The root window's size follows screen changes, which the display's cached size does not.
    XWindowAttributes root{};
    if (!XGetWindowAttributes(m_display, DefaultRootWindow(m_display), &root))
        root.width = root.height = 0;
    const DrawingSize size = BoundedDrawingSize(m_hostSize, {root.width, root.height}, m_largestViewport);
    const bool changed = size.width != m_width || size.height != m_height;
    m_width = size.width;
    m_height = size.height;
    return changed;
}

bool EmbeddedWindow::adoptCurrentWindow()
{
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!m_display || m_host == 0 || drawable == 0)
        return false;
    m_window = drawable;
    GLint largestViewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largestViewport);
    m_largestViewport = {largestViewport[0], largestViewport[1]};
    bound();
    const bool adopted = succeeds(m_display, [&] {
        XSelectInput(m_display, m_window, StructureNotifyMask);
        XReparentWindow(m_display, m_window, m_host, 0, 0);
        XResizeWindow(m_display, m_window, static_cast<unsigned>(m_width), static_cast<unsigned>(m_height));
        XMapWindow(m_display, m_window);
    });
    if (adopted && !m_handlerSet) {
        auto* const previous = XSetErrorHandler(endWithHost);
        if (previous != endWithHost)
            defaultHandler = previous;
        m_handlerSet = true;
        drawingFailed = false;
    }
    return adopted;
}

bool EmbeddedWindow::follow()
{
    m_hostGone = m_hostGone || (m_handlerSet && drawingFailed);
    if (!m_display || m_hostGone)
        return !m_hostGone;
    bool resized = false;
    bool hostResized = false;
    bool strayed = false;
    bool unmapped = false;
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == m_host) {
            m_hostGone = true;
        } else if (event.type == ConfigureNotify && event.xconfigure.window == m_host) {
            m_hostSize = {event.xconfigure.width, event.xconfigure.height};
            hostResized = true;
        } else if (event.type == ConfigureNotify && event.xconfigure.window == m_window) {
            resized = resized || event.xconfigure.x != 0 || event.xconfigure.y != 0;
        } else if (event.type == ReparentNotify && event.xreparent.window == m_window) {
            strayed = event.xreparent.parent != m_host;
        } else if (event.type == UnmapNotify && event.xunmap.window == m_host) {
            m_hostMapped = false;
        } else if (event.type == MapNotify && event.xmap.window == m_host) {
            m_hostMapped = true;
        } else if (event.type == UnmapNotify && event.xunmap.window == m_window) {
            unmapped = true;
        } else if (event.type == MapNotify && event.xmap.window == m_window) {
            unmapped = false;
        }
    }
    if (hostResized && !m_hostGone)
        resized = bound() || resized;
    if (m_hostGone || m_window == 0 || !(resized || strayed || unmapped))
        return !m_hostGone;
    // A window manager that had taken the window while it was still at the top level lets go of
    // it by unmapping it, or puts it back where it found it; the ride stays in its host. The
    // host may also go between its notice and these requests, taking the adopted window along.
    succeeds(m_display, [&] {
        if (strayed)
            XReparentWindow(m_display, m_window, m_host, 0, 0);
        XMoveResizeWindow(m_display, m_window, 0, 0, static_cast<unsigned>(m_width), static_cast<unsigned>(m_height));
        if (strayed || unmapped)
            XMapWindow(m_display, m_window);
    });
    return !m_hostGone;
}
