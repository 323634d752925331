#include "xp_button_look.h"

#include "xp_button_colours.h"

#include <QPainter>
#include <cmath>

namespace {

// A horizontal or vertical line that, like the home platform's, includes its start point and
// excludes its end point.
void line(QPainter& painter, int x1, int y1, int x2, int y2, QRgb colour)
{
    if (y1 == y2 && x1 != x2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        painter.fillRect(QRect(from, y1, std::abs(x2 - x1), 1), QColor(colour));
    } else if (x1 == x2 && y1 != y2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        painter.fillRect(QRect(x1, from, 1, std::abs(y2 - y1)), QColor(colour));
    }
}

int channelStep(int top, int bottom, int i, int n)
{
    // Halves go to the even neighbour, as the home platform's conversion to whole numbers does.
    return static_cast<int>(std::nearbyint(bottom + i * double(top - bottom) / n));
}

// n + 1 rows from `bottom` up to `top`, both included; row `bottom` gets exactly `bottomColour`
// and row `top` exactly `topColour`. `right` is exclusive.
void verticalGradient(QPainter& painter, QRgb topColour, QRgb bottomColour, int left, int top,
                      int right, int bottom)
{
    const int n = bottom - top;
    for (int i = 0; i <= n; ++i) {
        QRgb colour = bottomColour;
        if (n != 0)
            colour = qRgb(channelStep(qRed(topColour), qRed(bottomColour), i, n),
                          channelStep(qGreen(topColour), qGreen(bottomColour), i, n),
                          channelStep(qBlue(topColour), qBlue(bottomColour), i, n));
        line(painter, left, bottom - i, right, bottom - i, colour);
    }
}

void pixel(QPainter& painter, int x, int y, QRgb colour)
{
    painter.fillRect(QRect(x, y, 1, 1), QColor(colour));
}

// The home platform's dotted focus rectangle: a checkerboard fixed to the surface origin whose
// set pixels invert what lies beneath and whose clear pixels, in the black text colour, leave
// it as it is. Drawing it twice restores the picture.
void dottedFocusRectangle(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::NoPen);
    const QColor invert(Qt::white);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), invert);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.restore();
}

}

void XPButtonLook::paint(QPainter& painter) const
{
    const int w = size.width();
    const int h = size.height();
    const XPButtonColours& c = XPButtonColours::of(state);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, w, h), background);

    line(painter, 3, 0, w - 3, 0, c.outline);
    line(painter, 0, 3, 0, h - 3, c.outline);
    line(painter, 3, h - 1, w - 3, h - 1, c.outline);
    line(painter, w - 1, 3, w - 1, h - 3, c.outline);

    if (state == XPButtonState::Normal || state == XPButtonState::Focused
        || state == XPButtonState::Hot) {
        verticalGradient(painter, c.rimTop, c.rimBottom, 1, 3, w - 1, h - 2);
        verticalGradient(painter, XPButtonColours::faceTop, XPButtonColours::faceBottom, 3, 3,
                         w - 3, h - 3);
        line(painter, 1, 1, w, 1, c.topLine1);
        line(painter, 1, 2, w, 2, c.topLine2);
        line(painter, 1, h - 3, w, h - 3, c.bottomLine1);
        line(painter, 2, h - 2, w - 1, h - 2, c.bottomLine2);
    } else {
        painter.fillRect(QRect(1, 1, w - 2, h - 2), QColor(c.flatFill));
    }

    const struct {
        int x, y;
        QRgb colour;
    } corners[] = {
        {0, 1, c.cornerMiddle}, {0, 2, c.cornerEnd}, {1, 0, c.cornerMiddle},
        {1, 1, c.cornerInner}, {2, 0, c.cornerEnd},
        {w - 1, 1, c.cornerMiddle}, {w - 1, 2, c.cornerEnd}, {w - 2, 0, c.cornerMiddle},
        {w - 2, 1, c.cornerInner}, {w - 3, 0, c.cornerEnd},
        {0, h - 2, c.cornerMiddle}, {0, h - 3, c.cornerEnd}, {1, h - 1, c.cornerMiddle},
        {1, h - 2, c.cornerInner}, {2, h - 1, c.cornerEnd},
        {w - 1, h - 2, c.cornerMiddle}, {w - 1, h - 3, c.cornerEnd}, {w - 2, h - 1, c.cornerMiddle},
        {w - 2, h - 2, c.cornerInner}, {w - 3, h - 1, c.cornerEnd},
    };
    for (const auto& corner : corners)
        pixel(painter, corner.x, corner.y, corner.colour);

    const QRect textRect(QPoint(3, 3), QPoint(w - 4, h - 4));
    painter.setFont(font);
    painter.setPen(enabled ? foreColour : QColor(XPButtonColours::disabledCaption));
    painter.save();
    painter.setClipRect(textRect);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     caption);
    painter.restore();

    if (focused && showFocusRectangle
        && (state == XPButtonState::Focused || state == XPButtonState::Hot
            || state == XPButtonState::Pressed))
        dottedFocusRectangle(painter, textRect);
    painter.restore();
}

QRegion XPButtonLook::windowShape(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    QRegion shape(0, 0, w, h);
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1),
                                QPoint(w - 1, h - 1)})
        shape -= QRegion(corner.x(), corner.y(), 1, 1);
    return shape;
}
