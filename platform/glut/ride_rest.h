#pragma once

// While nobody can see the ride (window or host unmapped, window fully covered, monitors in power
// saving) no frame is drawn and the process sleeps in poll(); the ride clock runs on. Drawing
// resumes at once on a visibility notice, within 50 ms when the host is mapped again, within a
// second when the monitors wake; a stop request wakes the sleep at once.

// Once, before the first turn: installs the window status callback.
void PrepareRest();

// On every turn, with whether the host is mapped: true when nobody can see a frame drawn now.
bool RideUnseen(bool hostMapped);

// Sleeps until the display connection or the stop descriptor has something, or 50 ms pass.
void RestAWhile(int displayDescriptor, int stopDescriptor);
