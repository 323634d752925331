#pragma once

// SIGTERM, SIGINT and SIGHUP ask the ride to stop: screensaver managers end a saver with SIGTERM,
// and so does the kernel when the shell that started the engine has gone. The request is
// recorded here and the frame loop ends the ride cleanly at its next turn; should that turn not
// come within half a second (a frame the driver takes seconds over), the process dies by that
// signal there and then.
void listenForStopRequests();

// True once one of those signals has arrived.
bool stopRequested();

// The last step of a ride's ending: the process dies by the stop signal that arrived (its
// default action), so that its parent sees how it was ended, or exits with status 0 when none did.
[[noreturn]] void endProcess();
