#include "engine/scene/kept_frame.h"
#include "engine/scene/overlay.h"
#include "tests/support/gl_drawing_test.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

using KeptFrameTest = GlDrawingTest;
constexpr int width = KeptFrameTest::width;
constexpr int height = KeptFrameTest::height;

void fill(float red, float green, float blue)
{
    glClearColor(red, green, blue, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
}

// One row and one column of the picture in a colour of their own, over black.
void markRowAndColumn(int row, int column)
{
    fill(0, 0, 0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, row, width, 1);
    fill(1, 0, 0);
    glScissor(column, 0, 1, height);
    fill(0, 1, 0);
    glDisable(GL_SCISSOR_TEST);
}

// The test display keeps its back buffer but reports no buffer age, so the copy is used; the
// garbage a discarding driver would leave is painted by hand between the frames.
TEST_F(KeptFrameTest, LaysThePreviousFrameBackDimmedOverGarbage)
{
    KeptFrame kept;

    fill(1, 0, 1);
    setOverlayProjection(width, height);
    kept.fadeBack(0.25f, width, height);
    EXPECT_TRUE(kept.copying());
    EXPECT_EQ(readBackPixel(width / 2, height / 2).red, 0) << "no previous frame yet: black";

    fill(0.8f, 0.4f, 0.0f);
    kept.keep();
    fill(1, 0, 1);
    kept.fadeBack(0.25f, width, height);
    const Pixel middle = readBackPixel(width / 2, height / 2);
    EXPECT_NEAR(middle.red, 153, 2);
    EXPECT_NEAR(middle.green, 77, 2);
    EXPECT_EQ(middle.blue, 0);
    const Pixel corner = readBackPixel(width - 1, height - 1);
    EXPECT_NEAR(corner.red, 153, 2);
    expectRestingGlState();

    kept.keep();
    fill(1, 0, 1);
    kept.fadeBack(1.5f, width, height);
    EXPECT_EQ(readBackPixel(5, 5).red, 0) << "alpha 1 or more covers the picture";

    kept.keep();
    fill(1, 0, 1);
    kept.fadeBack(0.25f, width - 1, height);
    EXPECT_EQ(readBackPixel(5, 5).red, 0) << "a copy of another size is not laid back";
    kept.release();
}

TEST_F(KeptFrameTest, MarkedRowAndColumnComeBackInTheirPlace)
{
    KeptFrame kept;
    fill(0, 0, 0);
    kept.fadeBack(0.25f, width, height);
    // Off the middle and nearer one corner, so a flip, a shift or a wrong scale moves them.
    const int row = 37;
    const int column = 211;
    markRowAndColumn(row, column);
    kept.keep();
    fill(1, 0, 1);
    kept.fadeBack(0.25f, width, height);

    for (const int x : {5, column - 60, width - 3}) {
        EXPECT_NEAR(readBackPixel(x, row).red, 191, 2) << x;
        EXPECT_EQ(readBackPixel(x, row - 1).red, 0) << x;
        EXPECT_EQ(readBackPixel(x, row + 1).red, 0) << x;
    }
    for (const int y : {4, height / 2, height - 2}) {
        EXPECT_NEAR(readBackPixel(column, y).green, 191, 2) << y;
        EXPECT_EQ(readBackPixel(column - 1, y).green, 0) << y;
        EXPECT_EQ(readBackPixel(column + 1, y).green, 0) << y;
    }
    const Pixel away = readBackPixel(column / 2, (row + height) / 2);
    EXPECT_EQ(away.red + away.green + away.blue, 0) << "black stays black";
    kept.release();
}

}
