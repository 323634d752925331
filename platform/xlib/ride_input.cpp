#include "platform/xlib/ride_input.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace {

// Another program's grab (a menu, a window manager's key binding) ends on its own; asking a few
// times a second finds the keyboard free soon after without a request every frame.
constexpr int framesBetweenGrabs = 15;

}

RideInput::~RideInput()
{
    if (m_blank)
        XFreeCursor(m_display, m_blank);
}

void RideInput::take(Display* display, Window window, int width, int height)
{
    m_display = display;
    m_window = window;
    // A cursor of one unset pixel shows nothing.
    const char bits[1] = {0};
    const Pixmap empty = XCreateBitmapFromData(display, window, bits, 1, 1);
    XColor black{};
    m_blank = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    XDefineCursor(display, window, m_blank);
    XWarpPointer(display, None, window, 0, 0, 0, 0, width / 2, height / 2);
    m_holdingKeyboard = grab();
}

void RideInput::keepKeyboard()
{
    if (!m_window || m_holdingKeyboard || ++m_framesSinceGrab < framesBetweenGrabs)
        return;
    m_framesSinceGrab = 0;
    m_holdingKeyboard = grab();
}

bool RideInput::grab()
{
    return XGrabKeyboard(m_display, m_window, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
}

int RideInput::keyOf(XKeyEvent& press)
{
    char typed[8];
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&press, typed, sizeof typed, &symbol, nullptr);
    if (symbol == XK_Escape)
        return 27;
    return length == 1 ? static_cast<unsigned char>(typed[0]) : -1;
}
