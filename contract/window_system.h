#pragma once

// The display server the shell and its engines talk to, chosen by one rule for both programs.
enum class WindowSystem { X11, Wayland };

// What the choice looks at: the session's variables (null when unset) and whether the Wayland
// socket accepted a connection.
struct SessionEnvironment {
    const char* waylandDisplay = nullptr; // WAYLAND_DISPLAY
    const char* display = nullptr;        // DISPLAY
    const char* sessionType = nullptr;    // XDG_SESSION_TYPE
    bool waylandReachable = false;
};

// Native Wayland when WAYLAND_DISPLAY is set and DISPLAY is unset or the session says "wayland";
// X11 when x11Only (--x11, the modes that draw in a given X window) or otherwise. A Wayland
// socket that does not answer falls back to an X display that is set; with none the caller
// reports the Wayland socket.
WindowSystem ChooseWindowSystem(const SessionEnvironment& environment, bool x11Only);
