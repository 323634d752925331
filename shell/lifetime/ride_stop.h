#pragma once

#include <chrono>
#include <string>

// What --stop ends: a ride of the shell's own (/s or no switch) on this display, marked by a lock
// of its own, so that neither the settings dialog (which holds the run lock too), a manager's
// hosted ride nor a wallpaper is ever taken for one. The display's locks must be chosen first
// (UseWaylandDisplayLocks).
//
// A stop and a start that race: the stop stamps the moment (stop_stamp.h) before it asks the
// kernel who holds the mark; a start takes the mark before it reads the stamp. So a start either
// held the mark when the stop looked, and is ended, or reads a stamp no older than its own start
// and does not ride. The stop looks again after each ending, so a start under way while it ended
// the last ride is caught the same way.

// What a start of a ride is told when it asks for the mark.
enum class RideMark {
    Taken,     // this process is the display's ride until it ends
    Elsewhere, // another ride holds the mark: this start ends quietly, as beside another instance
    Stopped,   // a stop came after this process started: it must not ride
    Refused,   // the mark or the stamp cannot be used; `problem` says why
};
RideMark TakeRideMark(std::string& problem);

// Ends the marked ride: SIGTERM to the process that holds the mark at that moment (whose ending
// ends its engines and music), then up to `grace` for the mark to go, then SIGKILL if that same
// process still holds it (the engines end with their shell) and up to a second more. 0 when it
// ended or none was running, 1 with one line on stderr when it could not be ended or the mark or
// stamp cannot be used.
int StopRide(std::chrono::milliseconds grace = std::chrono::seconds(5));
