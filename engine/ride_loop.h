#pragma once

#include <cstdint>

// The ride as a window system runs it. The window system owns the window, its GL context, the
// swap, the pointer and the keys; the ride knows none of them. Calls come from one thread, with
// the window's GL context current. Stops asked for from outside come through
// engine/stop_request.h.

// Once the context is current: GL state, settings, first track, textures. Always succeeds.
bool startRide();

// The window's drawable size in pixels, before the first frame and after every change.
void rideResize(int width, int height);

// Whether the window system promises that the back buffer still holds the last frame shown
// (buffer age 1); asked before each frame, so the trails skip their copy of the frame.
void rideBackBufferKept(bool kept);

// Draws one frame for nowMs (milliseconds since the engine started). True: show it (swap).
// False: the ride is over; nothing more is to be shown, and endRide() follows.
bool rideFrame(std::int64_t nowMs);

// A key the user pressed: Esc, "Q" or "q" ask for the ride's end, which comes once the fade-in is
// over. Ignored when hosted (the manager owns the input of its window) and for every other key.
void rideKey(unsigned char key);

// Whether a frame at nowMs would end the ride; lets a window system that is drawing nothing
// (nobody sees the ride) end it when asked, without a frame.
bool rideOver(std::int64_t nowMs);

// Deletes the ride's GL resources (context still current) and ends the process with status 0.
[[noreturn]] void endRide();
