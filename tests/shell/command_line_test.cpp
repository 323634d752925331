#include "shell/command_line.h"
#include "shell/number_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineTest, ArgumentsAreJoinedBySingleBlanks)
{
    const char* none[] = {"Tavrolin.scr"};
    const char* two[] = {"Tavrolin.scr", "/p", "1234"};
    EXPECT_EQ(CommandText(1, none), "");
    EXPECT_EQ(CommandText(3, two), "/p 1234");
}

TEST(CommandLineTest, ModeLetterIsTheSecondCharacterUpperCased)
{
    EXPECT_EQ(ModeLetter("/s"), 'S');
    EXPECT_EQ(ModeLetter("/S"), 'S');
    EXPECT_EQ(ModeLetter("-s"), 'S');
    EXPECT_EQ(ModeLetter("xs"), 'S');
    EXPECT_EQ(ModeLetter("/C:1234"), 'C');
    EXPECT_EQ(ModeLetter("s"), '\0');
    EXPECT_EQ(ModeLetter(""), '\0');
}

TEST(CommandLineTest, HandleStartsAtTheFourthCharacterWhateverTheSeparator)
{
    EXPECT_EQ(PreviewParentHandle("/p 1234"), 1234);
    EXPECT_EQ(PreviewParentHandle("/p:1234"), 1234);
    EXPECT_EQ(PreviewParentHandle("/p1234"), 234);
    EXPECT_EQ(PreviewParentHandle("/p 12 34"), 1234);
    EXPECT_EQ(PreviewParentHandle("/p 77abc"), 77);
    EXPECT_EQ(PreviewParentHandle("/p -5"), -5);
}

TEST(CommandLineTest, HandleWithoutDigitsOrTooLargeIsZero)
{
    EXPECT_EQ(PreviewParentHandle("/p"), 0);
    EXPECT_EQ(PreviewParentHandle("/p abc"), 0);
    EXPECT_EQ(PreviewParentHandle("/p 2147483647"), 2147483647);
    EXPECT_EQ(PreviewParentHandle("/p 2147483648"), 0);
    EXPECT_EQ(PreviewParentHandle("/p 1e999"), 0);
}

TEST(CommandLineTest, HexHandlesAsManagersWriteThem)
{
    EXPECT_EQ(PreviewParentHandle("/p 0x600008"), 0x600008);
    EXPECT_EQ(PreviewParentHandle("/p:0X1a"), 26);
    EXPECT_EQ(PreviewParentHandle("/p 0x7fffffff"), 2147483647);
    EXPECT_EQ(PreviewParentHandle("/p 0x80000000"), 0);
    EXPECT_EQ(PreviewParentHandle("/p 0x"), 0);
    EXPECT_EQ(PreviewParentHandle("/p 0xzz"), 0);
}

TEST(CommandLineTest, FractionalHandlesRoundHalvesToEven)
{
    EXPECT_EQ(PreviewParentHandle("/p 2.5"), 2);
    EXPECT_EQ(PreviewParentHandle("/p 3.5"), 4);
    EXPECT_EQ(PreviewParentHandle("/p 3.49"), 3);
}

TEST(NumberTextTest, WholeTextMustBeANumber)
{
    EXPECT_EQ(NumberOfText(" 7.9 "), 7.9);
    EXPECT_EQ(NumberOfText("-.5"), -0.5);
    EXPECT_EQ(NumberOfText("1.5E2"), 150);
    EXPECT_EQ(NumberOfText("2d1"), 20);
    for (const char* text : {"", " ", ".", "-", "1 2", "12abc", "1e", "nan", "1e999"})
        EXPECT_FALSE(NumberOfText(text)) << text;
}

}
