#pragma once

#include <chrono>

// What --stop ends: a ride of the shell's own (/s or no switch) on this display, marked by a lock
// of its own, so that neither the settings dialog (which holds the run lock too), a manager's
// hosted ride nor a wallpaper is ever taken for one. The display's locks must be chosen first
// (UseWaylandDisplayLocks).

// Marks this process as the display's ride until it ends; false when another holds the mark.
bool TakeRideMark();

// Ends the marked ride: SIGTERM to its shell (whose ending ends its engines and music), then up
// to `grace` for its mark to go, then SIGKILL (the engines end with their shell) and up to a
// second more. 0 when it ended or none was running, 1 when it could not be ended (another user's
// process, or it outlived SIGKILL).
int StopRide(std::chrono::milliseconds grace = std::chrono::seconds(5));
