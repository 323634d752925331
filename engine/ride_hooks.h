#pragma once

#include <cstdint>

// The one seam between the ride and a window system (X11 or Wayland) that shows it. The window
// system owns the window, its GL context, the swap, the pointer and the keys; the ride knows none
// of them. The program's main binds the ride's functions here and hands them to one window system,
// which returns the process's exit status (contract/engine_contract.h). Every hook runs on the
// window system's thread with the ride's GL context current; none is null. Times are
// milliseconds on the ride's own steady clock, as now() reads it.
struct RideHooks {
    // Once, when the window has its size: GL state, settings, textures. False: cannot start.
    bool (*start)();
    // The drawable's size in pixels, before the first frame and after every change.
    void (*resize)(int width, int height);
    // Whether the back buffer still holds the previous frame when the next begins (buffer age 1,
    // or a config whose swap copies), so the trails skip their own copy. Before the first frame
    // and whenever it changes.
    void (*backBufferKept)(bool kept);
    // Draws one frame for nowMs. True: show it (swap). False: the ride is over; nothing more is
    // shown, release() follows.
    bool (*frame)(std::int64_t nowMs);
    // A key the user pressed: 27 for Esc, else the character typed. A hosted ride gets none.
    void (*key)(unsigned char key);
    // Whether a frame at nowMs would end the ride (a stop asked for, or its key after the
    // fade-in): a window system drawing nothing (the ride unseen) ends it without a frame.
    bool (*over)(std::int64_t nowMs);
    // Once, before the window system lets go of the context: the ride's GL objects go.
    void (*release)();
    // The ride's clock in milliseconds.
    std::int64_t (*now)();
    // Readable once a stop has been asked for (SIGTERM, SIGINT, SIGHUP): the window system polls
    // it beside its display connection, so a stop wakes it even while it draws nothing.
    int stopDescriptor;
};
