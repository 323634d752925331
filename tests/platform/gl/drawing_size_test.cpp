#include "platform/gl/drawing_size.h"

#include <gtest/gtest.h>

// Beside DrawingSize itself, where GoogleTest's comparisons and printing look.
static bool operator==(DrawingSize a, DrawingSize b)
{
    return a.width == b.width && a.height == b.height;
}

[[maybe_unused]] static void PrintTo(DrawingSize size, std::ostream* out)
{
    *out << size.width << "x" << size.height;
}

TEST(BoundedDrawingSize, NoSideLargerThanTheScreenOrTheLargestViewport)
{
    // The window that took 3.2 GB: a 16384-pixel square on a 1920 x 1080 screen.
    EXPECT_EQ(BoundedDrawingSize({16384, 16384}, {1920, 1080}, {16384, 16384}), (DrawingSize{1920, 1080}));
    // Each side on its own: only the one past its limit shrinks.
    EXPECT_EQ(BoundedDrawingSize({800, 5000}, {1920, 1080}, {16384, 16384}), (DrawingSize{800, 1080}));
    EXPECT_EQ(BoundedDrawingSize({5000, 600}, {1920, 1080}, {16384, 16384}), (DrawingSize{1920, 600}));
    // A driver's viewport smaller than a wide screen.
    EXPECT_EQ(BoundedDrawingSize({12000, 9000}, {10240, 4320}, {8192, 8192}), (DrawingSize{8192, 4320}));
    EXPECT_EQ(BoundedDrawingSize({640, 400}, {1920, 1080}, {16384, 16384}), (DrawingSize{640, 400}));
    // Unknown limits bound nothing; an empty host still gets a pixel to draw.
    EXPECT_EQ(BoundedDrawingSize({3000, 2000}, {0, 0}, {0, -1}), (DrawingSize{3000, 2000}));
    EXPECT_EQ(BoundedDrawingSize({0, -5}, {1920, 1080}, {16384, 16384}), (DrawingSize{1, 1}));
}
