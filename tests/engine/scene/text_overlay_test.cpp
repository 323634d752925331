#include "engine/scene/text_overlay.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

TEST(TextOverlay, GlyphCellsSampleTheSheetShiftedIntoTheCell)
{
    const GlyphCell a = glyphCell('A');
    EXPECT_NEAR(a.s0, 0.0725f, 1e-6f);
    EXPECT_NEAR(a.s1, 0.135f, 1e-6f);
    EXPECT_NEAR(a.t0, 0.615f, 1e-6f);
    EXPECT_NEAR(a.t1, 0.74f, 1e-6f);
    const GlyphCell space = glyphCell(' ');
    EXPECT_NEAR(space.s0, 0.01f, 1e-6f);
    EXPECT_NEAR(space.t0, 0.865f, 1e-6f);
    EXPECT_NEAR(space.t1, 0.99f, 1e-6f);
    // Bytes below 32 wrap to the last bands, below the sheet; repeat brings them back.
    const GlyphCell control = glyphCell(1);
    EXPECT_LT(control.t1, 0.0f);
    EXPECT_NEAR(glyphCell(159).t0, 0.875f - 7 * 0.125f - 0.01f, 1e-6f);
}

TEST(TextOverlay, PenMovesByTruncatedStepsOfNineTwentieths)
{
    EXPECT_EQ(nextPenX(0, 20), 9);
    EXPECT_EQ(nextPenX(0, 60), 27);
    std::int16_t pen = 0;
    for (int i = 0; i < 4; ++i)
        pen = nextPenX(pen, 15);
    EXPECT_EQ(pen, 24);
}

TEST(TextOverlay, StyleResetLeavesTheMessageAlone)
{
    auto overlay = std::make_unique<TextOverlay>();
    EXPECT_EQ(overlay->lineY, 25);
    EXPECT_EQ(overlay->messageExpiry, 0.0);
    overlay->postMessage("New Track: 1 2 5 6", 10.0f);
    overlay->remember = 0;
    overlay->slant = 9;
    overlay->colour[0] = 0.5f;
    overlay->resetStyle();
    EXPECT_EQ(overlay->remember, 1);
    EXPECT_FLOAT_EQ(overlay->slant, 3.0f);
    EXPECT_FLOAT_EQ(overlay->colour[0], 1.0f);
    EXPECT_FLOAT_EQ(overlay->alphaRef, 0.1f);
    EXPECT_STREQ(overlay->messageText, "New Track: 1 2 5 6");
    EXPECT_DOUBLE_EQ(overlay->messageExpiry, 13.0);
}

TEST(TextOverlay, LongMessageIsCutAndTerminated)
{
    auto overlay = std::make_unique<TextOverlay>();
    const std::string longText(200, 'x');
    overlay->postMessage(longText.c_str(), 0);
    EXPECT_EQ(std::strlen(overlay->messageText), 79u);
}

TEST(TextOverlay, ExpiredMessageIsClearedWithoutDrawing)
{
    auto overlay = std::make_unique<TextOverlay>();
    overlay->postMessage("hello", 10.0f);
    overlay->drawMessage(13.0f); // no GL context here: an expired message must not draw
    EXPECT_EQ(overlay->messageExpiry, 0.0);
}

}
