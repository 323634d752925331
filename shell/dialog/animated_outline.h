#pragma once

#include <QRect>

// Draws an outline that moves and grows from one screen rectangle to the other (pixels; either
// may have no size) over about AnimatedOutlineMilliseconds, then takes it away. Returns when it
// is done; meanwhile only non-input events are handled, so that the outline gets painted.
inline constexpr int AnimatedOutlineMilliseconds = 200;
void DrawAnimatedRects(const QRect& from, const QRect& to);
