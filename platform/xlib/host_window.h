#pragma once

#include "platform/gl/drawing_size.h"

#include <X11/Xlib.h>

// The manager's window that hosts a ride, followed through its notices: its size (the ride's,
// within BoundedDrawingSize), whether it is mapped, and its end.
class HostWindow {
public:
    // Starts hearing its notices. False when the id names no window.
    bool watch(Display* display, Window host);

    // Takes in a notice; true when it was about the host.
    bool handle(const XEvent& event);

    // The size to draw at: the host's, bounded by the screen and the driver's largest viewport
    // (0 for unknown).
    DrawingSize drawingSize(DrawingSize largestViewport) const;
    bool mapped() const { return m_mapped; }
    bool gone() const { return m_gone; }

private:
    Display* m_display = nullptr;
    Window m_host = 0;
    DrawingSize m_size{0, 0};
    bool m_mapped = false;
    bool m_gone = false;
};
