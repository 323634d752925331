#include "window_watch.h"

#include "x_connection.h"

WindowWatch::WindowWatch(NativeWindow window)
    : m_window(window)
{
    Display* display = SharedDisplay();
    if (!display || window == 0)
        return;
    ErrorTrap trap(display);
    XSelectInput(display, window, StructureNotifyMask);
    m_valid = !trap.failed();
}

int WindowWatch::fileDescriptor() const
{
    Display* display = SharedDisplay();
    return display ? ConnectionNumber(display) : -1;
}

bool WindowWatch::destroyed()
{
    Display* display = SharedDisplay();
    if (!display || !m_valid)
        return m_destroyed;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == m_window)
            m_destroyed = true;
    }
    return m_destroyed;
}
