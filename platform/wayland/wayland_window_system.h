#pragma once

#include "engine/ride_hooks.h"
#include "platform/wayland/wayland_ride_options.h"

// Connects to WAYLAND_DISPLAY, shows the ride on one output and runs frames as the compositor
// asks for them until the ride is over or a stop is asked for; returns the exit status: RideEnded,
// RideFailed (no compositor or it went away, or --background without a layer shell: one line on
// stderr), RideOutputGone (its output removed or its surface closed). Sleeps in poll() on the
// display and the stop descriptor while no frame is wanted.
int RunWaylandRide(const WaylandRideOptions& options, const RideHooks& hooks);
