#include "twips.h"

#include <QPaintDevice>
#include <cmath>

double TwipsPerPixelX(const QPaintDevice& device)
{
    const int dpi = device.logicalDpiX();
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

int PixelsCovering(int twips, const QPaintDevice& device)
{
    // The small allowance keeps exact quotients (100 / 10) from rounding up a whole pixel.
    return static_cast<int>(std::ceil(twips / TwipsPerPixelX(device) - 1e-9));
}
