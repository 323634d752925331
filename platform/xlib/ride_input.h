#pragma once

#include <X11/Xlib.h>

// The keys and the pointer of a ride in a window of its own: the keyboard held for the whole
// ride, the pointer hidden over the window and put in its middle. A hosted ride has neither.
class RideInput {
public:
    RideInput() = default;
    ~RideInput();
    RideInput(const RideInput&) = delete;
    RideInput& operator=(const RideInput&) = delete;

    // Hides the pointer over the window, moves it to the window's middle and grabs the keyboard.
    void take(Display* display, Window window, int width, int height);
    // Once a frame: retries, a few times a second, a keyboard grab that another program held.
    void keepKeyboard();

    // The key a press typed: 27 for Esc, else its character; -1 for keys that type none.
    static int keyOf(XKeyEvent& press);

private:
    bool grab();

    Display* m_display = nullptr;
    Window m_window = 0;
    Cursor m_blank = 0;
    bool m_holdingKeyboard = false;
    int m_framesSinceGrab = 0;
};
