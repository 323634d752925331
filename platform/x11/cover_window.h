#pragma once

// The engine's own window as screen lockers keep theirs: above every other window, holding the
// keyboard, with no window-manager frame, focus or task-bar entry. All of these act on the GLX
// window current on the calling thread, over the GL library's own X connection, so that grabbed
// keys reach the window's event loop.

// Makes the current GL window override-redirect with WM_CLASS "tavrolin" / "Tavrolin", covering
// the rectangle (pixels, root coordinates), mapped on top. A window manager that already took the
// window is given at most about 2 seconds to let it go. False when no GL window is current.
bool CoverWithCurrentGlWindow(int x, int y, int width, int height);

// Grabs the keyboard for the current GL window; true when the window holds it (a grab held by
// another program makes it fail until that ends).
bool GrabKeyboardForCurrentGlWindow();

// Raises the current covering window again when a window has come above it on its part of the
// screen since the last call. Cheap when nothing happened; call once a frame.
void KeepCoverOnTop();
