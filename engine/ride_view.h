#pragma once

// The per-frame projection and the ride's view transform.

// The viewport rows (pixels from the bottom) left by a letterbox amount in a window of the given
// height: bottom = trunc(H × L × 0.05), top = trunc((1 - 0.05 L) × H), each cut to 16 bits.
struct ViewportRows {
    int bottom;
    int height;
};
ViewportRows letterboxRows(int windowHeight, int letterbox);

// Polygon mode, viewport, a perspective of the camera's field of view (degrees), near 0.0001,
// far eyeDistance + 14, the eye eyeDistance behind the origin, and the fog distances.
void setupProjection();

// Advances the car (unless paused), puts the camera on it (unless free) and multiplies the view
// rotation and translation onto the modelview matrix.
void updateRideAndView();
