#pragma once

#include "platform/wayland/ride_hooks.h"
#include "platform/wayland/wayland_ride_options.h"

// Exit statuses of a Wayland ride besides 0 (ended by its key or a stop request).
constexpr int WaylandRideFailed = 1;      // no compositor, or it went away: one line on stderr
constexpr int WaylandRideOutputGone = 3;  // its output was removed or its surface closed

// Connects to WAYLAND_DISPLAY, shows the ride on one output and runs frames as the compositor
// asks for them until the ride ends; returns the exit status. Sleeps in poll() on the display
// while no frame is wanted, waking at least every 100 ms for stop requests.
int RunWaylandWindowSystem(const WaylandRideOptions& options, const RideHooks& hooks);
