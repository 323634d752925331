#include "shell/usage.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace {

CommandKind Classify(std::initializer_list<const char*> arguments)
{
    std::vector<const char*> argv{"Tavrolin.scr"};
    argv.insert(argv.end(), arguments);
    return ClassifyCommand(static_cast<int>(argv.size()), argv.data());
}

TEST(UsageTest, HelpAndVersionOnlyAsTheWholeCommandLine)
{
    EXPECT_EQ(Classify({"--help"}), CommandKind::Help);
    EXPECT_EQ(Classify({"-h"}), CommandKind::Help);
    EXPECT_EQ(Classify({"--version"}), CommandKind::Version);
    EXPECT_EQ(Classify({"--help", "/s"}), CommandKind::Unknown);
    EXPECT_EQ(Classify({"/s", "--help"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-help"}), CommandKind::Unknown);
}

TEST(UsageTest, ModeLettersKeepTheirOldParsing)
{
    for (const auto arguments : {std::initializer_list<const char*>{},
                                 {"/s"}, {"-S"}, {"xs"}, {"/c"}, {"/C:1234"}, {"/p", "77"}, {"/p"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Known);
    for (const auto arguments : {std::initializer_list<const char*>{"s"}, {"/x"}, {"/y:1234"}, {"--verbose"}})
        EXPECT_EQ(Classify(arguments), CommandKind::Unknown);
}

TEST(UsageTest, HostedSwitchesCountWhereverTheyStand)
{
    EXPECT_EQ(Classify({"-root"}), CommandKind::Known);
    EXPECT_EQ(Classify({"--window-id", "0x600008"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-geometry", "100x100", "--root"}), CommandKind::Known);
    EXPECT_EQ(Classify({"-rootless"}), CommandKind::Unknown);
}

}
