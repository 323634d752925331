#pragma once

// Frames no faster than the display shows them, where the driver's swap interval does not
// already hold them back (software rendering, virtual machines, virtual displays).

// Once, with the window's GL context current: the refresh rate of the monitor under the middle
// of the window (60 Hz where unknown). Unless `paced`, frames stay back to back.
void startPacing(bool paced, int x, int y, int width, int height);

// Before a frame: sleeps until the next frame of the display is due. Returns at once when
// frames are late or pacing is off.
void waitForNextFrame();
