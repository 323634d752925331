#include "engine/random.h"

#include <gtest/gtest.h>

namespace {

TEST(Random, StartsFromStateOneAndReseedsReproducibly)
{
    seedRandom(1);
    EXPECT_EQ(nextRandomDraw(), 41);
    EXPECT_EQ(nextRandomDraw(), 18467);
    EXPECT_EQ(nextRandomDraw(), 6334);
    seedRandom(1);
    EXPECT_DOUBLE_EQ(frand(32768.0), 41.0);
}

TEST(Random, DrawsStayBelowTheBoundOverTheWholeCycle)
{
    seedRandom(12345);
    int highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int draw = nextRandomDraw();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
        highest = std::max(highest, draw);
    }
    EXPECT_EQ(highest, 32767);
    seedRandom(7);
    for (int i = 0; i < 1000; ++i) {
        const double value = frand(3.0);
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 3.0);
    }
}

}
