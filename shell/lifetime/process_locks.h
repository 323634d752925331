#pragma once

#include "platform/x11/native_window.h"

#include <string>

// The shell's locks, each held until the process ends. Taken before anything else is done, so
// that of two shells started in the same instant exactly one goes on. They are for the X display
// in $DISPLAY unless UseWaylandDisplayLocks() said otherwise first.

// A run, a run with the pointer visible, or the settings: one at a time per user and display.
bool TakeRunLock();
// For a preview, which may show beside nothing else: true when a run or the settings hold the
// lock, or when that cannot be told (LockProblem()).
bool RunLockHeldElsewhere();
// A ride inside a manager's window: one per window, however many windows (monitors) there are.
bool TakeHostedLock(NativeWindow window);
// For a shell without an X display: its locks are for the Wayland display of $WAYLAND_DISPLAY.
void UseWaylandDisplayLocks();
// Why the last of the calls above failed, in one line, when the reason was no other instance but
// a lock that cannot be used (no private folder, a link, FIFO or folder at the lock's name, a
// read-only folder); empty otherwise.
std::string LockProblem();
