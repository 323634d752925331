#pragma once

// A window manager that has exited may leave the root window's _NET_SUPPORTING_WM_CHECK naming
// its gone check window; freeglut's start-up reads that window and ends the process when the
// read fails. This removes such a stale entry, as the manager should have on its way out, and
// leaves a live manager's alone (checked and removed under a server grab, so a manager starting
// meanwhile is never affected). Does nothing without a display. Call before glutInit.
void ForgetExitedWindowManager();
