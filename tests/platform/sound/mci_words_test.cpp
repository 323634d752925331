#include "platform/sound/mci_words.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(MciWords, SplitAtBlanksAndKeepQuotedNamesWhole)
{
    EXPECT_EQ(SplitMciWords("status cdaudio  current\ttrack"), (Words{"status", "cdaudio", "current", "track"}));
    EXPECT_EQ(SplitMciWords("open \"/home/u/My Music/a.mp3\" type MPEGVideo Alias MP3Play"),
              (Words{"open", "/home/u/My Music/a.mp3", "type", "MPEGVideo", "Alias", "MP3Play"}));
    EXPECT_EQ(SplitMciWords("open \"\" type x"), (Words{"open", "", "type", "x"}));
    EXPECT_EQ(SplitMciWords("   "), Words{});
}

TEST(MciWords, AQuoteInsideANameEndsItAndTheRestBecomesWords)
{
    // This is why the player refuses such names: the words after the quote would be obeyed.
    EXPECT_EQ(SplitMciWords("open \"/m/a\" alias X \".mp3\" type MPEGVideo"),
              (Words{"open", "/m/a", "alias", "X", ".mp3", "type", "MPEGVideo"}));
}

TEST(MciWords, UnclosedQuoteIsNoCommand)
{
    EXPECT_FALSE(SplitMciWords("open \"/m/a.mp3 type MPEGVideo").has_value());
    EXPECT_FALSE(SplitMciWords("open \"/m/a\" \"b").has_value());
}

TEST(MciWords, WordsMatchInAnyAsciiCase)
{
    EXPECT_TRUE(SameMciWord("MPEGVideo", "mpegvideo"));
    EXPECT_TRUE(SameMciWord("MP3Play", "mp3PLAY"));
    EXPECT_FALSE(SameMciWord("mode", "modes"));
    EXPECT_FALSE(SameMciWord("cdaudio", "cdaudi0"));
}

}
