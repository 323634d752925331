#pragma once

#include <QRgb>

class QImage;

// Everything one redraw of the frame depends on. paint() covers the whole image, whose size is
// the frame's width and height in pixels, and leaves it in QImage::Format_RGB32. Colours are
// taken as opaque.
struct FrameLook {
    int frameStyle = 1;      // 0 rounded rectangle, 1 rectangle, any other value no frame
    int shadowOpacity = 50;  // percent, 0..100
    bool showShadow = true;
    int shadowDepth = 5;     // pixels, from 2
    int cornerDepth = 10;    // pixels: width and height of the corner ellipse
    QRgb background = 0xffffffff; // G: the frame's background
    QRgb fillColour = 0xffffffff;
    QRgb borderColour = 0xff000000;

    void paint(QImage& image) const;

    // Colour `from` moved `step` of `steps` steps towards `towards`, each channel as
    // from - ((from - towards) / steps) * step with the division truncated first; kept within
    // 0..255. No steps leave `from` as it is.
    static QRgb blend(QRgb from, QRgb towards, int steps, int step);

private:
    void paintShadow(QImage& image, int ellipse) const;
    void smoothRoundedCorners(QImage& image) const;
};
