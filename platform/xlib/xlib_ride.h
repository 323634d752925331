#pragma once

#include "engine/ride_hooks.h"
#include "platform/xlib/xlib_ride_options.h"

// The ride on an X server through Xlib and GLX: its window (or a window inside the manager's
// host), the config that keeps the back buffer where the driver offers one, keys, pointer, frames
// one per refresh, and rest while nobody can see them. Returns the exit status
// (contract/engine_contract.h): RideEnded when the ride's key, a stop or the host's end ended it,
// RideFailed with one line on stderr when it could not start.
int RunXlibRide(const RideHooks& hooks, const XlibRideOptions& options);
