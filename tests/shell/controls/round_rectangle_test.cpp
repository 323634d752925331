#include "shell/controls/round_rectangle.h"

#include <gtest/gtest.h>

namespace {

// The outline is exactly the inside pixels that touch the outside through an edge, so it is
// closed and never thicker than needed; the shape is mirror-symmetric both ways.
TEST(RoundRectangle, RoundedOutlineIsTheThinBoundaryOfASymmetricShape)
{
    for (const int ellipse : {4, 7, 10, 25, 40}) {
        const RoundRectangle shape(0, 0, 25, 20, ellipse);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 25; ++x) {
                EXPECT_EQ(shape.contains(x, y), shape.contains(24 - x, y));
                EXPECT_EQ(shape.contains(x, y), shape.contains(x, 19 - y));
                const bool touchesOutside = !shape.contains(x - 1, y) || !shape.contains(x + 1, y)
                    || !shape.contains(x, y - 1) || !shape.contains(x, y + 1);
                EXPECT_EQ(shape.onOutline(x, y), shape.contains(x, y) && touchesOutside)
                    << "ellipse " << ellipse << " at " << x << "," << y;
            }
        }
        EXPECT_FALSE(shape.contains(0, 0)) << ellipse;
        EXPECT_TRUE(shape.contains(12, 0)) << ellipse;
        EXPECT_TRUE(shape.contains(0, 10)) << ellipse;
    }
}

}
