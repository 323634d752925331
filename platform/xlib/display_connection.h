#pragma once

#include <X11/Xlib.h>
#include <cstdint>

// The ride's one connection to the X server of $DISPLAY, and the wait between frames: on the
// connection and on the stop descriptor at once, so notices, keys and stops wake it and nothing
// is polled. Losing the connection ends the process with status 1 and one line on stderr. X
// errors are counted, not fatal: a manager's window may vanish between any two requests.
class DisplayConnection {
public:
    DisplayConnection() = default;
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    // False when there is no X server at $DISPLAY.
    bool open();
    Display* display() const { return m_display; }
    int screen() const { return DefaultScreen(m_display); }
    Window root() const { return RootWindow(m_display, screen()); }

    // Waits until every request so far is answered; true when any failed since the last call.
    bool failed();

    // Sleeps until an event is queued, the stop descriptor is readable or `nanoseconds` pass
    // (negative: no limit). True when a stop has been asked for.
    bool wait(int stopDescriptor, std::int64_t nanoseconds);

    // The next queued event without blocking; false when none is queued.
    bool next(XEvent& event);

private:
    Display* m_display = nullptr;
};
