#pragma once

#include "platform/x11/monitor.h"

#include <optional>

// How the engine shows itself on X11.
struct GlutRideOptions {
    // An X window to ride inside (a manager's), following its size, taking no keys. 0: a window
    // of the engine's own.
    unsigned long hostWindow = 0;
    // The part of the screen the engine's own window covers; empty: the whole screen.
    std::optional<Monitor> monitor;
    // Frames back to back even where the driver does not pace them (benchmarks).
    bool unpaced = false;
};
