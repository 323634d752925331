#include "show_cursor.h"

#include "x_connection.h"

#include <X11/extensions/Xfixes.h>

bool ShowCursor(bool show)
{
    Display* display = SharedDisplay();
    if (!display)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase))
        return false;
    // Hiding needs XFixes 4 or later; the version must be asked for before any XFixes request.
    int major = 4;
    int minor = 0;
    if (!XFixesQueryVersion(display, &major, &minor) || major < 4)
        return false;
    ErrorTrap trap(display);
    if (show)
        XFixesShowCursor(display, DefaultRootWindow(display));
    else
        XFixesHideCursor(display, DefaultRootWindow(display));
    return !trap.failed();
}
