#pragma once

#include "platform/x11/native_window.h"

#include <string>
#include <vector>

// How a screensaver manager asks the shell to draw inside a window of its own: -root / --root
// (the window in XSCREENSAVER_WINDOW, or the root window when that is unset), -window-id ID /
// --window-id ID, or no switch or a run switch while XSCREENSAVER_WINDOW is set. Other words
// beside a hosted switch are left alone, as managers may add their own.
struct HostedRequest {
    enum class Kind {
        None,       // not hosted: the screensaver switches apply
        Window,     // ride inside `window`
        RootWindow, // -root without XSCREENSAVER_WINDOW: ride on the root window
        Malformed,  // a window id that is not a number; `problem` says why
    };
    Kind kind = Kind::None;
    NativeWindow window = 0;
    std::string problem;
};

// arguments: the words after the program's path. modeLetter: the command text's mode letter ('S'
// for a run). screensaverWindow: XSCREENSAVER_WINDOW, or null when unset.
HostedRequest ReadHostedRequest(const std::vector<std::string>& arguments, char modeLetter,
                                const char* screensaverWindow);
