#include "window_rect.h"

#include "x_connection.h"

std::optional<WindowRect> GetWindowRect(NativeWindow window)
{
    Display* display = SharedDisplay();
    if (!display || window == 0)
        return std::nullopt;
    ErrorTrap trap(display);
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(display, window, &attributes) || trap.failed())
        return std::nullopt;
    int left = 0;
    int top = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, window, attributes.root, 0, 0, &left, &top, &child)
        || trap.failed())
        return std::nullopt;
    // The rectangle includes the border, as the outer rectangle of a window does.
    left -= attributes.border_width;
    top -= attributes.border_width;
    const int outerWidth = attributes.width + 2 * attributes.border_width;
    const int outerHeight = attributes.height + 2 * attributes.border_width;
    return WindowRect {left, top, left + outerWidth, top + outerHeight};
}

bool SetParent(NativeWindow child, NativeWindow parent)
{
    Display* display = SharedDisplay();
    if (!display || child == 0 || parent == 0)
        return false;
    ErrorTrap trap(display);
    XReparentWindow(display, child, parent, 0, 0);
    return !trap.failed();
}
