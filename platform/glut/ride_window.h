#pragma once

#include "platform/x11/monitor.h"

// The engine's own window when it is not hosted: the part of the screen it covers, and how it
// stays above every other window and holds the keyboard for the whole ride.

// The rectangle the window covers, in pixels: the --monitor rectangle, else the whole screen
// from (0, 0). Needs glutInit first.
Monitor rideWindowPlace();

// Right after glutCreateWindow: covers rideWindowPlace() above every window, without a window
// manager's frame or task-bar entry, and grabs the keyboard. Does nothing for a hosted ride.
void setUpRideWindow();

// Once a frame: raises the window again if one came above it, and retries a keyboard grab that
// another program held. Cheap when nothing changed.
void keepRideWindow();
