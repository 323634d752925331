#pragma once

#include <string>
#include <vector>

// The long switches that choose the window system or a way of running beside the screensaver
// switches: --x11, --background, --output NAME and --stop, wherever they stand.
struct SessionSwitches {
    bool x11 = false;        // take X11 (XWayland) even in a Wayland session
    bool background = false; // ride under the windows, no input, no music (Wayland)
    bool stop = false;       // end the running ride and return
    std::string output;      // only this output (Wayland); empty: every output
    // The other words, in their order: what the screensaver switches are read from.
    std::vector<std::string> rest;
    // --output without a name, or a switch given twice.
    bool malformed = false;

    // --stop and --background stand alone (--output may go with --background, --x11 with --stop).
    bool consistent() const;
};

// arguments: the words after the program's path.
SessionSwitches ReadSessionSwitches(const std::vector<std::string>& arguments);
