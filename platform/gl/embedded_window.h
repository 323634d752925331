#pragma once

#include "platform/gl/drawing_size.h"

// The engine's GL window living inside a window that another program owns (a screensaver
// manager's), kept at that window's size within BoundedDrawingSize, in the host's top-left corner.
// It talks to the X server over a connection of its own, so the toolkit's event loop never sees
// the host's notices. Sizes in pixels.
class EmbeddedWindow {
public:
    EmbeddedWindow() = default;
    ~EmbeddedWindow();
    EmbeddedWindow(const EmbeddedWindow&) = delete;
    EmbeddedWindow& operator=(const EmbeddedWindow&) = delete;

    // Starts watching the host window (an X window id). False when there is no display or the
    // id names no window.
    bool open(unsigned long host);
    // The drawing size: the host's, bounded by the screen (and, once adopted, the viewport).
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Whether the host is mapped, as of open() and the notices follow() has read since.
    bool hostMapped() const { return m_hostMapped; }

    // Makes the window of the current GLX drawable a child of the host, at (0, 0) with the
    // drawing size, bounded by the current context's largest viewport too. False when there is
    // no current window or the host has gone.
    bool adoptCurrentWindow();

    // Reads the host's notices without waiting and gives the adopted window the drawing size for
    // the host's new size (its toolkit then sees an ordinary resize); puts the window back in
    // place, mapped, if anybody moved it. False once the host has been destroyed (or drawing
    // into the adopted window failed for want of it).
    bool follow();

private:
    // Applies BoundedDrawingSize to the host's size; true when the drawing size changed.
    bool bound();

    struct _XDisplay* m_display = nullptr;
    unsigned long m_host = 0;
    unsigned long m_window = 0;
    DrawingSize m_hostSize{0, 0};
    DrawingSize m_largestViewport{0, 0};
    int m_width = 0;
    int m_height = 0;
    bool m_hostGone = false;
    bool m_hostMapped = true;
    bool m_handlerSet = false;
};
