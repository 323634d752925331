#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

// The X window the ride draws in, named "Tavrolin_VC" (WM_NAME and _NET_WM_NAME). Of its own, it
// covers its part of the screen as screen lockers' windows do: above every other window, with no
// window-manager frame, focus or task-bar entry (override-redirect), WM_CLASS "tavrolin" /
// "Tavrolin". Hosted, it is a child of the manager's window in its top-left corner. Sizes in
// pixels.
class RideWindow {
public:
    RideWindow() = default;
    ~RideWindow();
    RideWindow(const RideWindow&) = delete;
    RideWindow& operator=(const RideWindow&) = delete;

    // Creates and maps it with the visual, inside `host` at (0, 0) or, where host is 0, covering
    // (x, y, width, height) of the screen on top. False when the server refuses it.
    bool create(Display* display, const XVisualInfo& visual, Window host, int x, int y, int width, int height);
    Window window() const { return m_window; }

    // The notice concerns the stacking of the screen's windows.
    bool stackingNotice(const XEvent& event) const;
    // Raises it again when another window has come above it on its part of the screen.
    void keepOnTop();

private:
    Display* m_display = nullptr;
    Window m_window = 0;
    Colormap m_colormap = 0;
};
