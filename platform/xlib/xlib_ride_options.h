#pragma once

// How the engine shows itself on an X server.
struct XlibRideOptions {
    // An X window of another program (a screensaver manager's) to ride inside, following its
    // size, with no pointer or keys of its own. 0: a window of the ride's own, above all others.
    unsigned long hostWindow = 0;
    // The part of the screen the ride's own window covers, in pixels; width 0: the whole screen.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // Frames back to back instead of one per refresh of the monitor (benchmarks).
    bool unpaced = false;
    // Copy every frame for the trails even where the back buffer is kept (tests compare both).
    bool forceFrameCopy = false;
};
