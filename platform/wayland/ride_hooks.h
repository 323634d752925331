#pragma once

#include <cstdint>

// What a window system asks of the ride it shows. Every hook runs on the thread that runs the
// window system, with the ride's GL context current; none may be null.
struct RideHooks {
    // Once, after the first configure: GL state, textures, settings. False: the ride cannot start.
    bool (*start)();
    // The drawable's size in pixels (buffer scale applied), before the first frame and on change.
    void (*resize)(int width, int height);
    // Draws one frame into the back buffer. True: the window system shows it. False: the ride is
    // over (its end key, after the fade-in) and nothing more is shown.
    bool (*frame)();
    // A key the ride may act on: 27 for Esc, else the character typed.
    void (*key)(unsigned char key);
    // Whether a stop was asked for from outside (SIGTERM, SIGINT, SIGHUP).
    bool (*stopRequested)();
    // Whether the back buffer still holds the previous frame at the start of the next (true) or
    // must be drawn again from a kept copy (false). Told before the first frame and on change.
    void (*backBufferKept)(bool kept);
    // Once, before the window system closes: GL objects go while the context is current.
    void (*release)();
};
