#pragma once

// The engine's ride on a Wayland compositor, from the engine's options: one output, frames as
// the compositor asks for them. Returns the exit status: 0 when the ride ended (its key, a stop
// request, the shell gone), 3 when its output went away or the compositor closed its surface,
// 1 when there is no compositor or it went away (one line on stderr).
int RunWaylandRide(int argc, char** argv);
