#include "round_rectangle.h"

#include <QImage>
#include <algorithm>
#include <cmath>

RoundRectangle::RoundRectangle(int left, int top, int right, int bottom, int ellipse)
    : m_left(std::min(left, right))
    , m_top(std::min(top, bottom))
    , m_right(std::max(left, right))
    , m_bottom(std::max(top, bottom))
{
    const int height = m_bottom - m_top;
    const int e = std::min({ellipse, m_right - m_left, height});
    m_insets.assign(std::size_t(height), 0);
    if (e < 2)
        return;
    // A pixel belongs to a corner when its centre lies inside the corner's circle.
    const double r = e / 2.0;
    for (int row = 0; row < height; ++row) {
        const double centre = row + 0.5;
        double dy = 0;
        if (centre < r)
            dy = r - centre;
        else if (centre > height - r)
            dy = centre - (height - r);
        const double halfChord = r * std::sqrt(std::max(0.0, 1 - (dy / r) * (dy / r)));
        m_insets[std::size_t(row)] = std::max(0, int(std::ceil(r - halfChord - 0.5 - 1e-9)));
    }
}

int RoundRectangle::inset(int y) const
{
    return m_insets[std::size_t(y - m_top)];
}

bool RoundRectangle::contains(int x, int y) const
{
    if (y < m_top || y >= m_bottom)
        return false;
    return x >= m_left + inset(y) && x < m_right - inset(y);
}

int RoundRectangle::outlineEnd(int y) const
{
    const int first = m_left + inset(y);
    if (y == m_top || y == m_bottom - 1)
        return m_right - inset(y);
    // Pixels whose upper or lower neighbour lies outside belong to the outline too.
    const int neighbour = std::max(inset(y - 1), inset(y + 1));
    return std::max(first + 1, m_left + neighbour);
}

bool RoundRectangle::onOutline(int x, int y) const
{
    if (!contains(x, y))
        return false;
    const int fromLeft = x - m_left;
    const int fromRight = m_right - 1 - x;
    return m_left + std::min(fromLeft, fromRight) < outlineEnd(y);
}

void RoundRectangle::fill(QImage& image, QRgb colour) const
{
    const int top = std::max(m_top, 0);
    const int bottom = std::min(m_bottom, image.height());
    for (int y = top; y < bottom; ++y) {
        const int from = std::max(m_left + inset(y), 0);
        const int to = std::min(m_right - inset(y), image.width());
        for (int x = from; x < to; ++x)
            image.setPixel(x, y, colour);
    }
}

void RoundRectangle::outline(QImage& image, QRgb colour) const
{
    const int top = std::max(m_top, 0);
    const int bottom = std::min(m_bottom, image.height());
    for (int y = top; y < bottom; ++y) {
        const int from = m_left + inset(y);
        const int width = outlineEnd(y) - from;
        for (int i = 0; i < width; ++i) {
            for (const int x : {from + i, m_right - inset(y) - 1 - i}) {
                if (x >= 0 && x < image.width())
                    image.setPixel(x, y, colour);
            }
        }
    }
}
