#pragma once

#include "engine/ride_choice.h"
#include "engine/ride_hooks.h"

// The ride as a window system runs it: its functions bound into the one seam. `stopAsked` says
// whether the process was asked to stop (over() counts it); `stopDescriptor` turns readable then.
// Both belong to the program that owns the process's signals.
RideHooks RideLoopHooks(const RideChoice& choice, bool (*stopAsked)(), int stopDescriptor);
