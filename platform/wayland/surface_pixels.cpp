#include "platform/wayland/surface_pixels.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int BoundedBufferScale(int scale)
{
    return std::clamp(scale, 1, LargestBufferScale);
}

DrawingSize SurfacePixels(int logicalWidth, int logicalHeight, int scale, DrawingSize output,
                          DrawingSize largestViewport)
{
    scale = BoundedBufferScale(scale);
    const auto wanted = [scale](int logical) {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t{std::max(logical, 1)} * scale, INT_MAX));
    };
    const DrawingSize bounded =
        BoundedDrawingSize({wanted(logicalWidth), wanted(logicalHeight)}, output, largestViewport);
    const auto whole = [scale](int pixels) { return std::max(scale, pixels - pixels % scale); };
    return {whole(bounded.width), whole(bounded.height)};
}
