#pragma once

#include "platform/x11/native_window.h"

#include <optional>

// A window's rectangle on the screen in pixels; right and bottom lie just outside it.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The X stand-in for GetWindowRect: the window's outer rectangle in root coordinates, or
// nothing when the window does not exist (or there is no display).
std::optional<WindowRect> GetWindowRect(NativeWindow window);

// The X stand-in for SetParent with the child style: makes `child` a child window of `parent`
// at (0, 0) of it. False when either window does not exist.
bool SetParent(NativeWindow child, NativeWindow parent);
