#pragma once

class QPaintDevice;

// Twips are 1/1440 inch: 15 twips make one pixel at 96 dots per inch. The factor follows the
// device's logical horizontal dpi and serves widths and heights alike.
double TwipsPerPixelX(const QPaintDevice& device);

// The fewest whole pixels that cover at least `twips` twips on the device.
int PixelsCovering(int twips, const QPaintDevice& device);
