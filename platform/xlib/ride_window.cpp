#include "platform/xlib/ride_window.h"

#include "platform/x11/window_stacking.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <cstring>

namespace {

constexpr char title[] = "Tavrolin_VC";

}

RideWindow::~RideWindow()
{
    if (m_window)
        XDestroyWindow(m_display, m_window);
    if (m_colormap)
        XFreeColormap(m_display, m_colormap);
}

bool RideWindow::create(Display* display, const XVisualInfo& visual, Window host, int x, int y, int width,
                        int height)
{
    m_display = display;
    const Window root = RootWindow(display, visual.screen);
    const bool own = host == 0;
    m_colormap = XCreateColormap(display, root, visual.visual, AllocNone);
    XSetWindowAttributes attributes{};
    attributes.colormap = m_colormap;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None;
    attributes.override_redirect = own ? True : False;
    // A hosted ride leaves the keys to the manager that owns the window.
    attributes.event_mask = StructureNotifyMask | VisibilityChangeMask | (own ? KeyPressMask : 0);
    m_window = XCreateWindow(display, own ? root : host, own ? x : 0, own ? y : 0, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), 0, visual.depth, InputOutput, visual.visual,
                             CWColormap | CWBorderPixel | CWBackPixmap | CWOverrideRedirect | CWEventMask,
                             &attributes);
    if (!m_window)
        return false;
    XStoreName(display, m_window, title);
    XChangeProperty(display, m_window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title), static_cast<int>(std::strlen(title)));
    char name[] = "tavrolin";
    char className[] = "Tavrolin";
    XClassHint hint{name, className};
    XSetClassHint(display, m_window, &hint);
    // Hears of every window that maps or moves, to stay on top of them.
    if (own)
        XSelectInput(display, root, SubstructureNotifyMask);
    XMapRaised(display, m_window);
    return true;
}

bool RideWindow::stackingNotice(const XEvent& event) const
{
    const Window root = DefaultRootWindow(m_display);
    switch (event.type) {
    case MapNotify:
        return event.xmap.event == root;
    case ConfigureNotify:
        return event.xconfigure.event == root;
    case CreateNotify:
        return event.xcreatewindow.parent == root;
    default:
        return false;
    }
}

void RideWindow::keepOnTop()
{
    if (CoveredByAnotherWindow(m_display, m_window))
        XRaiseWindow(m_display, m_window);
}
