#pragma once

#include "platform/x11/monitor.h"

#include <optional>

// The engine's own window when it is not hosted: the part of the screen it covers, and how it
// stays above every other window and holds the keyboard for the whole ride.

// The rectangle the window covers, in pixels: `monitor`, else the whole screen from (0, 0); its
// size no larger than the screen's (a larger window shows nothing more and may not be drawable).
// Needs glutInit first.
Monitor RideWindowPlace(const std::optional<Monitor>& monitor);

// Right after glutCreateWindow: covers `place` above every window, without a window manager's
// frame or task-bar entry, and grabs the keyboard.
void SetUpRideWindow(const Monitor& place);

// Once a turn: raises the window again if one came above it, and retries a keyboard grab that
// another program held. Cheap when nothing changed.
void keepRideWindow();
