#include "platform/gl/drawing_size.h"

#include <algorithm>

DrawingSize BoundedDrawingSize(DrawingSize window, DrawingSize screen, DrawingSize largestViewport)
{
    const auto side = [](int wanted, int screenSide, int viewportSide) {
        if (screenSide > 0)
            wanted = std::min(wanted, screenSide);
        if (viewportSide > 0)
            wanted = std::min(wanted, viewportSide);
        return std::max(wanted, 1);
    };
    return {side(window.width, screen.width, largestViewport.width),
            side(window.height, screen.height, largestViewport.height)};
}
