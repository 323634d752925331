#pragma once

#include "platform/x11/native_window.h"

// Tells when a window of another program is destroyed, by the server's own notice rather than by
// polling. Events arrive on the shared connection, whose file descriptor a caller can watch.
class WindowWatch {
public:
    // Starts watching; isValid() is false when the window does not exist (or no display).
    explicit WindowWatch(NativeWindow window);

    bool isValid() const { return m_valid; }
    // The X connection's descriptor: becomes readable when a notice may have arrived. -1 without
    // a display.
    int fileDescriptor() const;
    // Reads every notice that has arrived so far; true once the window has been destroyed.
    bool destroyed();

private:
    NativeWindow m_window;
    bool m_valid = false;
    bool m_destroyed = false;
};
