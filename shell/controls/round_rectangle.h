#pragma once

#include <QRgb>
#include <vector>

class QImage;

// The pixels of a rectangle, optionally with rounded corners, as drawn with a one-pixel pen:
// left and top inclusive, right and bottom exclusive, in pixels. Each corner is a quarter of an
// `ellipse` × `ellipse` ellipse (below 2 gives square corners; larger than a side is cut to
// that side). The outline is a closed line one pixel thin; the inside is convex.
class RoundRectangle {
public:
    RoundRectangle(int left, int top, int right, int bottom, int ellipse = 0);

    bool contains(int x, int y) const;
    bool onOutline(int x, int y) const;

    // Paint onto the image; pixels outside it are left out.
    void fill(QImage& image, QRgb colour) const; // inside and outline
    void outline(QImage& image, QRgb colour) const;

private:
    // How far row y's first pixel lies right of `left` (its last, left of `right`).
    int inset(int y) const;
    // Row y's outline pixels from the left edge, [first, end); the right side mirrors them.
    int outlineEnd(int y) const;

    int m_left;
    int m_top;
    int m_right;
    int m_bottom;
    std::vector<int> m_insets;
};
