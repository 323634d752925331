#pragma once

// For this folder's X11 sources only: the one place outside which Xlib is never seen.
#include <X11/Xlib.h>

// The process's own connection to the X server of $DISPLAY, opened on first use and kept open
// until the process ends: XFixes pointer hiding lasts only as long as the connection that asked
// for it. Null when there is no display.
Display* SharedDisplay();

// Catches the X errors of the requests made while it lives on one display, instead of letting
// Xlib end the process; windows of other programs may vanish at any moment.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    // Waits for the server to answer every request so far; true when any of them failed.
    bool failed();

private:
    Display* m_display;
    int (*m_previousHandler)(Display*, XErrorEvent*);
};
