#pragma once

// The size the engine draws at for a window of any size it is given: each side the window's, but
// no larger than the screen (nobody sees more) nor the driver's largest viewport, and at least 1.
// A limit of 0 or less is unknown and bounds nothing. Pixels.
struct DrawingSize {
    int width;
    int height;
};
DrawingSize BoundedDrawingSize(DrawingSize window, DrawingSize screen, DrawingSize largestViewport);
