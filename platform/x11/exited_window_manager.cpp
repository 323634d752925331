#include "exited_window_manager.h"

#include "x_connection.h"

#include <X11/Xatom.h>

namespace {

// The window the root's check property names, or 0 when it names none.
Window checkWindow(Display* display, Atom check)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Window window = 0;
    if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                           &count, &remaining, &data) == Success
        && type == XA_WINDOW && format == 32 && count == 1)
        window = *reinterpret_cast<Window*>(data);
    if (data)
        XFree(data);
    return window;
}

bool exists(Display* display, Window window)
{
    ErrorTrap trap(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    return !trap.failed();
}

}

void ForgetExitedWindowManager()
{
    Display* const display = XOpenDisplay(nullptr);
    if (!display)
        return;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    XGrabServer(display);
    const Window window = checkWindow(display, check);
    if (window != 0 && !exists(display, window))
        XDeleteProperty(display, DefaultRootWindow(display), check);
    XUngrabServer(display);
    XCloseDisplay(display);
}
