#include "cover_window.h"

#include "window_stacking.h"
#include "x_connection.h"

#include <GL/glx.h>
#include <X11/Xutil.h>
#include <chrono>
#include <thread>

namespace {

Display* coverDisplay = nullptr;
Window coverWindow = 0;
Display* watchDisplay = nullptr;

// Polls until `done` holds or about two seconds pass; the window manager works at its own pace.
template <typename Condition>
bool waitFor(Display* display, Condition done)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        XSync(display, False);
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

int mapState(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return IsUnmapped;
    return attributes.map_state;
}

Window parentOf(Display* display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

}

bool CoverWithCurrentGlWindow(int x, int y, int width, int height)
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || !window)
        return false;
    const Window root = DefaultRootWindow(display);

    // A window manager sees the window's first map; let it finish taking the window, then make it
    // give the window back, so the window is never left inside a frame.
    ErrorTrap trap(display);
    waitFor(display, [&] { return mapState(display, window) != IsUnmapped; });
    XWithdrawWindow(display, window, DefaultScreen(display));
    waitFor(display, [&] { return mapState(display, window) == IsUnmapped && parentOf(display, window) == root; });
    if (parentOf(display, window) != root)
        XReparentWindow(display, window, root, x, y);

    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    XChangeWindowAttributes(display, window, CWOverrideRedirect, &attributes);
    char name[] = "tavrolin";
    char className[] = "Tavrolin";
    XClassHint hint{name, className};
    XSetClassHint(display, window, &hint);
    XMoveResizeWindow(display, window, x, y, static_cast<unsigned int>(width), static_cast<unsigned int>(height));
    XMapRaised(display, window);
    waitFor(display, [&] { return mapState(display, window) == IsViewable; });

    coverDisplay = display;
    coverWindow = window;
    // Its own connection hears of every window that maps or moves, without disturbing the
    // GL library's event loop.
    watchDisplay = SharedDisplay();
    if (watchDisplay) {
        XSelectInput(watchDisplay, DefaultRootWindow(watchDisplay), SubstructureNotifyMask);
        XFlush(watchDisplay);
    }
    return true;
}

bool GrabKeyboardForCurrentGlWindow()
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || !window)
        return false;
    return XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
}

void KeepCoverOnTop()
{
    if (!watchDisplay || !coverWindow)
        return;
    bool stackingChanged = false;
    while (XPending(watchDisplay) > 0) {
        XEvent event;
        XNextEvent(watchDisplay, &event);
        if (event.type == MapNotify || event.type == ConfigureNotify || event.type == CreateNotify)
            stackingChanged = true;
    }
    if (!stackingChanged)
        return;
    ErrorTrap trap(watchDisplay);
    if (CoveredByAnotherWindow(watchDisplay, coverWindow)) {
        XRaiseWindow(watchDisplay, coverWindow);
        XFlush(watchDisplay);
    }
}
