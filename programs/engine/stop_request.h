#pragma once

// SIGTERM, SIGINT and SIGHUP ask the ride to stop: screensaver managers end a saver with SIGTERM,
// and so does the kernel when the shell that started the engine has gone. The request is
// recorded and a descriptor turns readable, which wakes the window system's poll; should the
// ride not end within half a second (a frame the driver takes seconds over), the process dies by
// that signal there and then, as it would have after an orderly ending.

// Once, at start-up. False when the descriptor could not be made (then nothing is listened to).
bool ListenForStopRequests();

// True once one of those signals has arrived.
bool StopRequested();

// Readable once a stop has been asked for; never read from, so it stays readable.
int StopDescriptor();

// The process's one ending, after the window system returned `status` and let go of the ride:
// death by the stop signal that arrived (its default action, so the parent sees how it was
// ended: status 143 for SIGTERM), or exit with `status` when none did.
[[noreturn]] void EndProcess(int status);
