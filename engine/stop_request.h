#pragma once

// SIGTERM, SIGINT and SIGHUP ask the ride to stop: screensaver managers end a saver with SIGTERM,
// and so does the kernel when the shell that started the engine has gone. The request is
// recorded here and the frame loop ends the ride cleanly at its next turn; should that turn not
// come within half a second (a frame the driver takes seconds over), the process ends there and
// then, with status 0.
void listenForStopRequests();

// True once one of those signals has arrived.
bool stopRequested();
