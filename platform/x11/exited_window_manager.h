#pragma once

// A window manager that has exited may leave the root window's _NET_SUPPORTING_WM_CHECK naming
// its gone check window, and programs that read it then fail or take a manager to be running
// (one asked to exit never hears it). This removes such a stale entry, as the manager should have
// on its way out, and leaves a live manager's alone (checked and removed under a server grab, so
// a manager starting meanwhile is never affected). Does nothing without a display.
void ForgetExitedWindowManager();
