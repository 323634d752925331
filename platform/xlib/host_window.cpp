#include "platform/xlib/host_window.h"

bool HostWindow::watch(Display* display, Window host)
{
    m_display = display;
    m_host = host;
    XWindowAttributes attributes{};
    XSelectInput(display, host, StructureNotifyMask);
    if (!XGetWindowAttributes(display, host, &attributes))
        return false;
    m_size = {attributes.width, attributes.height};
    m_mapped = attributes.map_state != IsUnmapped;
    return true;
}

bool HostWindow::handle(const XEvent& event)
{
    if (event.xany.window != m_host)
        return false;
    if (event.type == ConfigureNotify)
        m_size = {event.xconfigure.width, event.xconfigure.height};
    else if (event.type == MapNotify)
        m_mapped = true;
    else if (event.type == UnmapNotify)
        m_mapped = false;
    else if (event.type == DestroyNotify)
        m_gone = true;
    return true;
}

DrawingSize HostWindow::drawingSize(DrawingSize largestViewport) const
{
    // The root window's size follows screen changes, which the display's cached size does not.
    XWindowAttributes root{};
    if (!XGetWindowAttributes(m_display, DefaultRootWindow(m_display), &root))
        root.width = root.height = 0;
    return BoundedDrawingSize(m_size, {root.width, root.height}, largestViewport);
}
