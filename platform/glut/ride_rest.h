#pragma once

// While nobody can see the ride (window or host unmapped, window fully covered, monitors in power
// saving) no frame is drawn and the idle callback gives way to a timer, so the process sleeps;
// the ride clock runs on. Drawing resumes at once on a visibility notice, within 50 ms when the
// host is mapped again, within a second when the monitors wake.

// Once, before the main loop. `watch` runs on every turn, drawing or resting (stop requests, the
// host, the covering window) and says whether the host is mapped; `idle` is the idle callback
// that drawing resumes with. Installs the window status callback.
void PrepareRest(bool (*watch)(), void (*idle)());

// In the idle callback, with what `watch` just said: true when the ride has gone to rest and
// nothing is to be drawn now.
bool RestIfUnseen(bool hostMapped);
