#pragma once

// Window-pixel drawing on top of the 3-D picture: x from the left edge, y from the bottom.

// Fill mode, the whole width × height drawable (pixels) as viewport, an orthographic projection of 0..W × 0..H and an
// identity modelview. Leaves the modelview matrix current.
void setOverlayProjection(int width, int height);

// A black quad over the whole width × height drawable, blended with the resting blend function, so the picture
// darkens by the factor 1 - alpha (alpha 1 or more covers it). Restores blending, depth
// writes and the polygon mode.
void drawFadeQuad(float alpha, int width, int height);
