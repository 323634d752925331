#pragma once

#include <vector>

// One monitor's part of the screen, in pixels from the screen's top-left corner.
struct Monitor {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The monitors of $DISPLAY, each once, in the server's order: RandR 1.5 monitors; the Xinerama
// heads where RandR reports at most one; the whole screen when neither reports anything.
// Empty only when there is no display.
std::vector<Monitor> Monitors();

// Frames per second of the monitor showing the pixel (x, y) as RandR reports it; 0 when it is
// unknown (no RandR, no monitor there, or a rate of 0 as virtual displays report).
double RefreshRateAt(int x, int y);
