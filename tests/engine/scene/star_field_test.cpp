#include "engine/random.h"
#include "engine/scene/star_field.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

double distance(const StarField::Star& star)
{
    return std::sqrt(star.position[0] * star.position[0] + star.position[1] * star.position[1]
                     + star.position[2] * star.position[2]);
}

TEST(StarField, UpperBallStarsStayInTheUpperHalf)
{
    seedRandom(3);
    StarField::Star star;
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(StarField::chooseStar(1.5f, 0, StarField::UpperBallShell, star));
        ASSERT_GE(star.position[1], 0.0);
        ASSERT_LE(distance(star), 1.5);
    }
}

TEST(StarField, ShellsKeepTheirInnerBound)
{
    seedRandom(4);
    StarField::Star star;
    for (int i = 0; i < 2000; ++i) {
        ASSERT_TRUE(StarField::chooseStar(1.5f, 1.0f, StarField::BallShell, star));
        ASSERT_GE(distance(star), 1.0);
        ASSERT_TRUE(StarField::chooseStar(1.5f, 0, StarField::CubeShell, star));
        const double largest = std::max({std::fabs(star.position[0]), std::fabs(star.position[1]),
                                         std::fabs(star.position[2])});
        ASSERT_GE(largest, 0.01);
        ASSERT_LT(largest, 1.5 + 1e-9);
    }
}

TEST(StarField, AboutOneStarInTenTakesTheWiderColourRange)
{
    seedRandom(5);
    StarField::Star star;
    int wide = 0;
    const int count = 5000;
    for (int i = 0; i < count; ++i) {
        StarField::chooseStar(1.5f, 0, StarField::UpperBallShell, star);
        const float darkest = std::min({star.colour[0], star.colour[1], star.colour[2]});
        for (float channel : star.colour) {
            ASSERT_GE(channel, 0.24f - 1e-6f);
            ASSERT_LT(channel, 0.64f);
        }
        wide += darkest < 0.4f;
    }
    // Wide-range stars fall below 0.4 in some channel with probability 1 - (0.6)^3.
    EXPECT_GT(wide, count * 0.1 * 0.6);
    EXPECT_LT(wide, count * 0.1 * 1.2);
}

TEST(StarField, EmptyRegionsGiveNoStarsInsteadOfLoopingForever)
{
    StarField::Star star;
    EXPECT_FALSE(StarField::chooseStar(1.0f, 2.0f, StarField::BallShell, star));
    EXPECT_FALSE(StarField::chooseStar(1.0f, 1.0f, StarField::CubeShell, star));
    EXPECT_FALSE(StarField::chooseStar(0, 0, StarField::UpperBallShell, star));
    EXPECT_TRUE(StarField::chooseStar(1.0f, -5.0f, StarField::CubeShell, star));
}

}
