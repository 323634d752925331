#include "engine/ride_params.h"

#include <gtest/gtest.h>

namespace {

TEST(RideParams, LevelsZeroFiveAndOutOfRangeGiveOne)
{
    for (int level : {0, 5, 12, -1, 1000, -2147483647 - 1}) {
        EXPECT_FLOAT_EQ(scaleFactorForLevel(level), 1.0f) << level;
        EXPECT_FLOAT_EQ(speedFactorForLevel(level), 1.0f) << level;
    }
}

TEST(RideParams, FactorsRunFromTheSmallestToTheLargestLevel)
{
    EXPECT_EQ(scaleFactorForLevel(1), 0.6f);
    EXPECT_EQ(scaleFactorForLevel(6), 1.4f);
    EXPECT_EQ(scaleFactorForLevel(11), 3.4f);
    EXPECT_EQ(speedFactorForLevel(1), 0.6f);
    EXPECT_EQ(speedFactorForLevel(6), 1.2f);
    EXPECT_EQ(speedFactorForLevel(11), 2.2f);
    for (int level = 2; level <= 11; ++level) {
        EXPECT_GT(scaleFactorForLevel(level), scaleFactorForLevel(level - 1)) << level;
        EXPECT_GT(speedFactorForLevel(level), speedFactorForLevel(level - 1)) << level;
    }
}

TEST(RideParams, DefaultsFillThePictureAndFadeTrails)
{
    RideParams params;
    params.setDefaults();
    EXPECT_EQ(params.fieldOfView, 100);
    EXPECT_EQ(params.letterbox, 0);
    EXPECT_EQ(params.sphereDetail, 40);
    EXPECT_FALSE(params.clearEveryFrame);
    EXPECT_TRUE(params.showStars && params.lightingOn && params.sphereTextureOn && params.fogOn);
    EXPECT_FALSE(params.freeCamera || params.showFrameRate || params.polygonMode);
    EXPECT_FLOAT_EQ(params.eyeDistance, 0.1f);
    EXPECT_FLOAT_EQ(params.fogRange, 2.0f);
    EXPECT_FLOAT_EQ(params.trailFactor, 0.5f);
    EXPECT_FLOAT_EQ(params.scaleFactor, 1.0f);
    EXPECT_FLOAT_EQ(params.speedFactor, 1.0f);
}

}
