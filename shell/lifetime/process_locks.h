#pragma once

#include "platform/x11/native_window.h"

// The shell's locks, each held until the process ends. Taken before anything else is done, so
// that of two shells started in the same instant exactly one goes on.

// A run, a run with the pointer visible, or the settings: one at a time per user and display.
bool TakeRunLock();
// For a preview, which may show beside nothing else: true when a run or the settings hold the lock.
bool RunLockHeldElsewhere();
// A ride inside a manager's window: one per window, however many windows (monitors) there are.
bool TakeHostedLock(NativeWindow window);
