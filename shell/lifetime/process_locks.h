#pragma once

#include "platform/x11/native_window.h"

// The shell's locks, each held until the process ends. Taken before anything else is done, so
// that of two shells started in the same instant exactly one goes on. They are for the X display
// in $DISPLAY unless UseWaylandDisplayLocks() said otherwise first.

// A run, a run with the pointer visible, or the settings: one at a time per user and display.
bool TakeRunLock();
// For a preview, which may show beside nothing else: true when a run or the settings hold the lock.
bool RunLockHeldElsewhere();
// The process id of the run or settings holding this display's run lock; 0 when none does.
int RunLockHolder();
// A ride inside a manager's window: one per window, however many windows (monitors) there are.
bool TakeHostedLock(NativeWindow window);
// For a shell without an X display: its locks are for the Wayland display of $WAYLAND_DISPLAY.
void UseWaylandDisplayLocks();
// False when this user has no private folder for lock files, so no lock can ever be taken.
bool LockFolderAvailable();
