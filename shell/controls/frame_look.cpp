#include "frame_look.h"

#include "round_rectangle.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace {

QRgb opaque(QRgb colour)
{
    return colour | 0xff000000u;
}

int blendChannel(int from, int towards, int steps, int step)
{
    return std::clamp(from - ((from - towards) / steps) * step, 0, 255);
}

QRgb averageOfNeighbours(const QImage& image, int x, int y)
{
    const QRgb around[] = {image.pixel(x, y - 1), image.pixel(x + 1, y), image.pixel(x, y + 1),
                           image.pixel(x - 1, y)};
    int red = 0, green = 0, blue = 0;
    for (const QRgb colour : around) {
        red += qRed(colour);
        green += qGreen(colour);
        blue += qBlue(colour);
    }
    // Halves go to the even neighbour, as the home platform's conversion to whole numbers does.
    auto quarter = [](int sum) { return int(std::nearbyint(sum / 4.0)); };
    return qRgb(quarter(red), quarter(green), quarter(blue));
}

}

QRgb FrameLook::blend(QRgb from, QRgb towards, int steps, int step)
{
    if (steps == 0)
        return from;
    return qRgb(blendChannel(qRed(from), qRed(towards), steps, step),
                blendChannel(qGreen(from), qGreen(towards), steps, step),
                blendChannel(qBlue(from), qBlue(towards), steps, step));
}

void FrameLook::paint(QImage& image) const
{
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    image.fill(opaque(background));
    if (frameStyle != 0 && frameStyle != 1)
        return;
    const int ellipse = frameStyle == 0 ? cornerDepth : 0;
    const int w = image.width();
    const int h = image.height();
    int faceRight = w;
    int faceBottom = h;
    if (showShadow) {
        paintShadow(image, ellipse);
        if (frameStyle == 0)
            smoothRoundedCorners(image);
        faceRight = w - shadowDepth;
        faceBottom = h - shadowDepth;
    }
    const RoundRectangle face(0, 0, faceRight, faceBottom, ellipse);
    face.fill(image, opaque(fillColour));
    face.outline(image, opaque(borderColour));
}

// Rings one pixel apart, darkest innermost, each a step closer to the background; the face
// later covers all of them but a band along its right and bottom edges.
void FrameLook::paintShadow(QImage& image, int ellipse) const
{
    const int d = shadowDepth;
    const QRgb shadow = blend(qRgb(0, 0, 0), opaque(background), 100, 100 - shadowOpacity);
    const int w = image.width();
    const int h = image.height();
    for (int i = 0; i <= d; ++i) {
        const RoundRectangle ring(2 * d - i, 2 * d - i, w - d + i, h - d + i, ellipse);
        ring.outline(image, blend(shadow, opaque(background), d, i));
    }
}

// Rounded rings leave background pixels between them at the corners; each such pixel takes
// the average of its neighbours, reading pixels this pass has already changed.
void FrameLook::smoothRoundedCorners(QImage& image) const
{
    const int w = image.width();
    const int h = image.height();
    const int k = cornerDepth;
    const int d = shadowDepth;
    const struct {
        int xFrom, xTo, yFrom, yTo;
    } regions[] = {
        {w - 2 * k, w - 3, h - 2 * k, h - 3},
        {w - 2 * k, w - 3, d, 4 * d},
        {d, 4 * d, h - 2 * k, h - 3},
    };
    for (const auto& region : regions) {
        // Only pixels with all four neighbours inside the picture take part.
        const int xFrom = std::max(region.xFrom, 1);
        const int xTo = std::min(region.xTo, w - 2);
        const int yFrom = std::max(region.yFrom, 1);
        const int yTo = std::min(region.yTo, h - 2);
        for (int x = xFrom; x <= xTo; ++x) {
            for (int y = yFrom; y <= yTo; ++y) {
                if (image.pixel(x, y) == opaque(background))
                    image.setPixel(x, y, averageOfNeighbours(image, x, y));
            }
        }
    }
}
