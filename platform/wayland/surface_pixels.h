#pragma once

#include "platform/gl/drawing_size.h"

// The largest buffer scale taken from a compositor; anything above shows nothing finer.
inline constexpr int LargestBufferScale = 8;

// A buffer scale as a compositor reported it, within 1 and LargestBufferScale.
int BoundedBufferScale(int scale);

// The buffer size for a surface of logicalWidth × logicalHeight (surface units) at `scale`,
// bounded as a hosted window is (BoundedDrawingSize: by the output's mode in pixels and the
// largest viewport, 0 where unknown), computed without overflow, and a whole multiple of the
// scale, as the compositor requires. Pixels, at least scale × scale.
DrawingSize SurfacePixels(int logicalWidth, int logicalHeight, int scale, DrawingSize output,
                          DrawingSize largestViewport);
