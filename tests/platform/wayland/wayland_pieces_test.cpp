#include "platform/wayland/output_choice.h"
#include "platform/wayland/ride_key.h"

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
