#include "window_stacking.h"

#include "x_connection.h"

namespace {

bool overlaps(const XWindowAttributes& a, const XWindowAttributes& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}

bool CoveredByAnotherWindow(Display* display, Window window)
{
    XWindowAttributes cover;
    if (!XGetWindowAttributes(display, window, &cover))
        return false;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool above = false;
    bool result = false;
    for (unsigned int i = 0; i < count && !result; ++i) {
        if (children[i] == window) {
            above = true;
            continue;
        }
        XWindowAttributes other;
        if (above && XGetWindowAttributes(display, children[i], &other) && other.map_state == IsViewable &&
            overlaps(cover, other))
            result = true;
    }
    if (children)
        XFree(children);
    return result;
}
