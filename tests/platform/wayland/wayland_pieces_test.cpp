#include "platform/wayland/output_choice.h"
#include "platform/wayland/ride_key.h"
#include "platform/wayland/surface_pixels.h"

#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon-keysyms.h>

TEST(OutputChoice, ExactNameOrTheCompositorsChoice)
{
    const std::vector<std::string> outputs{"HEADLESS-1", "DP-10", "DP-1", "DP-1"};
    EXPECT_EQ(ChooseOutput(outputs, ""), -1) << "no wish";
    EXPECT_EQ(ChooseOutput(outputs, "HEADLESS-1"), 0);
    EXPECT_EQ(ChooseOutput(outputs, "DP-1"), 2) << "not a prefix of DP-10, and the first of two";
    EXPECT_EQ(ChooseOutput(outputs, "DP"), -2);
    EXPECT_EQ(ChooseOutput(outputs, "dp-1"), -2) << "names are case-sensitive";
    EXPECT_EQ(ChooseOutput({}, "DP-1"), -2) << "no outputs yet";
    EXPECT_EQ(ChooseOutput({""}, "DP-1"), -2) << "an output without a name";
}

TEST(RideKey, TheEndKeysAndNothingUnprintable)
{
    EXPECT_EQ(RideKeyFromKeysym(XKB_KEY_Escape), 27);
    EXPECT_EQ(RideKeyFromKeysym(XKB_KEY_q), 'q');
    EXPECT_EQ(RideKeyFromKeysym(XKB_KEY_Q), 'Q');
    EXPECT_EQ(RideKeyFromKeysym(XKB_KEY_a), 'a');
    // Keys whose low byte is an end key's code must not read as one.
    const std::uint32_t others[] = {XKB_KEY_Return, XKB_KEY_F1,      XKB_KEY_Shift_L, XKB_KEY_KP_Enter, 0x1b,
                                    0x1000071,      0x151,           XKB_KEY_eacute,  XKB_KEY_NoSymbol};
    for (const std::uint32_t keysym : others)
        EXPECT_EQ(RideKeyFromKeysym(keysym), 0) << std::hex << keysym;
}

TEST(SurfacePixels, BoundedByTheOutputAndViewportWithoutOverflowInWholeScales)
{
    struct Case {
        int width, height, scale;
        DrawingSize output, viewport, expected;
    };
    const Case cases[] = {
        {640, 360, 2, {1280, 720}, {16384, 16384}, {1280, 720}},
        {30000, 30000, 4, {1280, 720}, {16384, 16384}, {1280, 720}},
        {30000, 30000, 1, {0, 0}, {16384, 8192}, {16384, 8192}},        // output's mode unknown
        {2000000000, 2000000000, 8, {0, 0}, {0, 0}, {2147483640, 2147483640}}, // past int: no wrap
        {1000, 1000, 1 << 30, {0, 0}, {0, 0}, {8000, 8000}},            // scale bounded to 8
        {427, 241, 3, {1280, 720}, {0, 0}, {1278, 720}},                // cut to whole scales
        {0, -4, 0, {1280, 720}, {0, 0}, {1, 1}},
    };
    for (const Case& each : cases) {
        const DrawingSize got = SurfacePixels(each.width, each.height, each.scale, each.output, each.viewport);
        EXPECT_EQ(got.width, each.expected.width) << each.width << " at " << each.scale;
        EXPECT_EQ(got.height, each.expected.height) << each.height << " at " << each.scale;
    }
}
