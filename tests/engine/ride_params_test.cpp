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

TEST(RideParams, EveryLevelHasItsOwnFactors)
{
    // Stored level: planet-size factor, speed factor.
    const struct {
        int level;
        float scale;
        float speed;
    } table[] = {{1, 0.6f, 0.6f}, {2, 0.7f, 0.7f}, {3, 0.8f, 0.8f}, {4, 0.9f, 0.9f}, {5, 1.0f, 1.0f},  {6, 1.4f, 1.2f},
                 {7, 1.8f, 1.4f}, {8, 2.2f, 1.6f}, {9, 2.6f, 1.8f}, {10, 3.0f, 2.0f}, {11, 3.4f, 2.2f}};
    for (const auto& row : table) {
        EXPECT_FLOAT_EQ(scaleFactorForLevel(row.level), row.scale) << row.level;
        EXPECT_FLOAT_EQ(speedFactorForLevel(row.level), row.speed) << row.level;
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
