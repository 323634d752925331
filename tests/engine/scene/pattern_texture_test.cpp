#include "engine/scene/pattern_texture.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PatternTexture, SpotFallsToZeroOnItsRim)
{
    EXPECT_EQ(patternValue(SpotPattern, 64, 64), 255);
    EXPECT_EQ(patternValue(SpotPattern, 32, 64), 191);
    EXPECT_EQ(patternValue(SpotPattern, 127, 64), 7);
    EXPECT_EQ(patternValue(SpotPattern, 0, 64), 0);
    for (int row : {0, 127})
        for (int column : {0, 127})
            EXPECT_EQ(patternValue(SpotPattern, row, column), 0);
}

TEST(PatternTexture, TentIsAPyramidNotQuiteZeroOnTheFarEdges)
{
    EXPECT_EQ(patternValue(TentPattern, 64, 64), 255);
    EXPECT_EQ(patternValue(TentPattern, 32, 64), 127);
    EXPECT_EQ(patternValue(TentPattern, 96, 96), 63);
    EXPECT_EQ(patternValue(TentPattern, 64, 127), 3);
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(patternValue(TentPattern, 0, i), 0);
        EXPECT_EQ(patternValue(TentPattern, i, 0), 0);
    }
}

TEST(PatternTexture, TexelsCarryTheValueInAllFourChannelsRowZeroFirst)
{
    std::vector<unsigned char> texels(128 * 128 * 4);
    makePatternTexels(TentPattern, texels.data());
    const unsigned char* texel = &texels[(32 * 128 + 64) * 4];
    for (int channel = 0; channel < 4; ++channel)
        EXPECT_EQ(texel[channel], 127);
    EXPECT_EQ(texels[(64 * 128 + 127) * 4 + 3], 3);
}

}
