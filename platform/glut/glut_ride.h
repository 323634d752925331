#pragma once

#include "engine/ride_hooks.h"
#include "platform/glut/glut_ride_options.h"

// The ride on X11 through freeglut and GLX: the full-screen window "Tavrolin_VC" (or a window
// inside the host window), frames paced to the display, resting while unseen. Runs until the
// ride is over, its host window goes or a stop is asked for, and returns the exit status:
// RideEnded, or RideFailed when it could not start (one line on stderr).
int RunGlutRide(const GlutRideOptions& options, const RideHooks& hooks);
