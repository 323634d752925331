#include "engine/camera.h"
#include "engine/random.h"
#include "engine/ride_params.h"
#include "engine/ride_settings.h"
#include "engine/track.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr float pi = 3.1415927f;

class TrackTest : public ::testing::Test {
protected:
    std::unique_ptr<Track> track = std::make_unique<Track>();
    RideParams params;

    void SetUp() override { params.setDefaults(); }

    // A straight test track along -z at constant height, so the speed law is easy to follow. It
    // starts away from the origin: a read past the last point finds zeros, which must not pass
    // for point 0.
    static constexpr float startX = 0.25f;
    static constexpr float startZ = 0.5f;
    void layStraightTrack(float height)
    {
        for (int i = 0; i < track->pointCount; ++i)
            track->points[i] = {startX, height, startZ - 0.01f * i, 0};
        track->maxHeight = height;
        track->carPosition[1] = height;
    }
};

TEST_F(TrackTest, EveryGeneratedTrackKeepsItsInvariants)
{
    bool sawEqualHeightFrequencies = false;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        seedRandom(seed);
        track->generate(0.5f, 0.1f, 0.25f);
        ASSERT_EQ(track->pointCount, 720);
        ASSERT_GE(track->trackFrequencyA, 1);
        ASSERT_LE(track->trackFrequencyA, 3);
        ASSERT_GE(track->trackFrequencyB, 1);
        ASSERT_LE(track->trackFrequencyB, 3);
        ASSERT_NE(track->trackFrequencyA, track->trackFrequencyB);
        for (int f : {track->trackFrequencyC, track->trackFrequencyD}) {
            ASSERT_GE(f, 5);
            ASSERT_LE(f, 9);
        }
        sawEqualHeightFrequencies |= track->trackFrequencyC == track->trackFrequencyD;

        float highest = -1e9f;
        for (int i = 0; i < 720; ++i) {
            const TrackPoint& p = track->points[i];
            highest = std::max(highest, p.y);
            ASSERT_LE(std::fabs(p.x), 1.0f);
            ASSERT_LE(std::fabs(p.z), 1.0f);
            ASSERT_GE(p.y, 0.05f - 1e-6f);
            ASSERT_LE(p.y, 0.45f + 1e-6f);
        }
        ASSERT_EQ(track->maxHeight, highest);
        ASSERT_FLOAT_EQ(track->points[0].x, 0.5f);
        ASSERT_FLOAT_EQ(track->points[0].y, 0.35f);
        ASSERT_FLOAT_EQ(track->points[0].z, 0.5f);
    }
    EXPECT_TRUE(sawEqualHeightFrequencies);
}

TEST_F(TrackTest, CurveClosesAtTheSameSpacing)
{
    seedRandom(99);
    track->generate(0.5f, 0.1f, 0.25f);
    const auto distance = [&](int a, int b) {
        const TrackPoint& p = track->points[a];
        const TrackPoint& q = track->points[b];
        return std::hypot(q.x - p.x, q.y - p.y, q.z - p.z);
    };
    // The closing step is the curve's own 0.5-degree step from theta = 719 to 720 steps, which
    // the formulas give; a turn that is not exactly 360 degrees shows here.
    const double step = static_cast<float>(0.5 * 0.017453292);
    const auto curve = [&](int i) {
        const double theta = i * step;
        return std::array<double, 3>{
            (std::cos(track->trackFrequencyA * theta) + std::sin(theta)) * 0.5,
            (std::sin(track->trackFrequencyD * theta) + std::cos(track->trackFrequencyC * theta)) * 0.1
                + 0.25,
            (std::cos(theta) - std::sin(track->trackFrequencyB * theta)) * 0.5};
    };
    const auto beforeSeam = curve(719), fullTurn = curve(720);
    const float closing = distance(719, 0);
    EXPECT_GT(closing, 0.0f);
    EXPECT_NEAR(closing, std::hypot(fullTurn[0] - beforeSeam[0], fullTurn[1] - beforeSeam[1],
                                     fullTurn[2] - beforeSeam[2]), 1e-6);
    // The last point's heading describes the step back to point 0.
    float pitch = 0, yaw = 0;
    const TrackPoint& last = track->points[719];
    const TrackPoint& first = track->points[0];
    Track::directionAngles(first.x - last.x, first.y - last.y, first.z - last.z, pitch, yaw);
    EXPECT_FLOAT_EQ(last.yaw, yaw * 57.29578f);
}

TEST_F(TrackTest, DirectionAnglesMeasureHeadingAndSlopeAgainstZ)
{
    float pitch = 0, yaw = 0;
    Track::directionAngles(0, 0, 1, pitch, yaw);
    EXPECT_FLOAT_EQ(yaw, pi);
    Track::directionAngles(0, 0, -1, pitch, yaw);
    EXPECT_FLOAT_EQ(yaw, 0);
    Track::directionAngles(1, 0, 0, pitch, yaw);
    EXPECT_FLOAT_EQ(yaw, pi / 2);
    Track::directionAngles(-1, 0, 0, pitch, yaw);
    EXPECT_FLOAT_EQ(yaw, 3 * pi / 2);

    // Large quotients take the other branches and still equal atan.
    Track::directionAngles(5, 0, 1, pitch, yaw);
    EXPECT_NEAR(yaw, pi - std::atan(5.0f), 1e-6f);
    Track::directionAngles(-5, 0, 1, pitch, yaw);
    EXPECT_NEAR(yaw, pi + std::atan(5.0f), 1e-6f);

    // Slope against the z component only, sign flipped so rising is negative.
    Track::directionAngles(0, 1, -1, pitch, yaw);
    EXPECT_NEAR(pitch, -pi / 4, 1e-6f);
    Track::directionAngles(0, 1, 1, pitch, yaw);
    EXPECT_NEAR(pitch, -pi / 4, 1e-6f);
    Track::directionAngles(1, 0.2f, 0.001f, pitch, yaw);
    EXPECT_LT(pitch, -1.5f);
}

TEST_F(TrackTest, StepWithoutLengthStaysFinite)
{
    float pitch = 1, yaw = 1;
    Track::directionAngles(0, 0, 0, pitch, yaw);
    EXPECT_TRUE(std::isfinite(pitch));
    EXPECT_TRUE(std::isfinite(yaw));
}

TEST_F(TrackTest, CarSpeedFollowsHeightAndSpeedFactor)
{
    layStraightTrack(0.3f);
    track->advance(0.1f, params);
    // At the highest point: 7 points a second.
    EXPECT_NEAR(track->segmentIndex + track->segmentFraction, 0.7f, 1e-5f);

    auto faster = std::make_unique<Track>();
    *faster = *track;
    faster->segmentIndex = 0;
    faster->segmentFraction = 0;
    params.speedFactor = 2.2f;
    faster->advance(0.1f, params);
    EXPECT_NEAR(faster->segmentIndex + faster->segmentFraction, 0.7f * 2.2f, 1e-5f);

    // 0.1 below the highest point runs (1 + 13 × 0.1) times as fast.
    track->segmentIndex = 0;
    track->segmentFraction = 0;
    track->maxHeight = 0.4f;
    params.speedFactor = 1.0f;
    track->advance(0.1f, params);
    EXPECT_NEAR(track->segmentIndex + track->segmentFraction, 0.7f * 2.3f, 1e-4f);
}

TEST_F(TrackTest, CarWrapsAroundTheLoopAndInterpolatesNeighbours)
{
    layStraightTrack(0.3f);
    track->segmentIndex = 718;
    track->segmentFraction = 0.5f;
    track->advance(0, params);
    EXPECT_EQ(track->segmentIndex, 718);
    EXPECT_NEAR(track->carPosition[2], startZ - 0.01f * 718.5f, 1e-5f);

    // At 719 the car interpolates towards point 0 and looks towards point 1.
    track->segmentIndex = 719;
    track->segmentFraction = 0.5f;
    track->advance(0, params);
    EXPECT_FLOAT_EQ(track->carPosition[0], startX);
    EXPECT_FLOAT_EQ(track->carPosition[1], 0.3f);
    EXPECT_NEAR(track->carPosition[2], startZ - 7.19f / 2, 1e-5f);
    EXPECT_GT(track->carDirection[2], 0.99f);
    EXPECT_NEAR(track->carDirection[0], 0.0f, 1e-6f);

    // One large step crosses several points and wraps through 0.
    track->segmentIndex = 717;
    track->segmentFraction = 0.9f;
    track->advance(1.0f, params); // 7 points
    EXPECT_EQ(track->segmentIndex, 4);
    EXPECT_NEAR(track->segmentFraction, 0.9f, 1e-4f);
}

TEST_F(TrackTest, NewTrackKeepsCarIndexAndFraction)
{
    seedRandom(5);
    track->generate(0.5f, 0.1f, 0.25f);
    track->segmentIndex = 333;
    track->segmentFraction = 0.25f;
    track->texture = 7;
    track->generate(0.5f, 0.1f, 0.25f);
    EXPECT_EQ(track->segmentIndex, 333);
    EXPECT_FLOAT_EQ(track->segmentFraction, 0.25f);
    EXPECT_EQ(track->texture, 7);
}

TEST_F(TrackTest, CameraFollowsHeadingAndSeventyPercentOfSlope)
{
    Camera camera;
    camera.reset(100);
    track->carPosition[0] = 0.1f;
    track->carPosition[1] = 0.2f;
    track->carPosition[2] = 0.3f;
    const float s = std::sqrt(0.5f);
    track->carDirection[0] = 0;
    track->carDirection[1] = s;
    track->carDirection[2] = -s;
    track->placeCamera(camera);
    EXPECT_FLOAT_EQ(camera.position[2], 0.3f);
    EXPECT_NEAR(camera.pitch, -45.0f * 0.7f, 1e-3f);
    EXPECT_NEAR(camera.yaw, 0.0f, 1e-4f);
    EXPECT_EQ(camera.roll, 0.0f);
}

TEST_F(TrackTest, RibbonLiesOnTheCurveAndClosesTheLoop)
{
    layStraightTrack(0.3f);
    float corners[4][3];
    track->ribbonCorners(0, 1.0f, corners);
    // Heading along -z (yaw 0): both offsets are 0.001; the far edge is two points on.
    EXPECT_FLOAT_EQ(corners[0][0], startX - 0.001f);
    EXPECT_FLOAT_EQ(corners[0][2], startZ - 0.001f);
    EXPECT_FLOAT_EQ(corners[1][0], startX + 0.001f);
    EXPECT_FLOAT_EQ(corners[2][2], startZ - 0.02f + 0.001f);
    // The last two quads reach round to points 0 and 1.
    track->ribbonCorners(718, 1.0f, corners);
    EXPECT_FLOAT_EQ(corners[2][0], startX + 0.001f);
    EXPECT_FLOAT_EQ(corners[2][2], startZ + 0.001f);
    track->ribbonCorners(719, 1.0f, corners);
    EXPECT_FLOAT_EQ(corners[3][0], startX - 0.001f);
    EXPECT_FLOAT_EQ(corners[3][2], startZ - 0.01f - 0.001f);

    seedRandom(3);
    track->generate(0.5f, 0.1f, 0.25f);
    track->ribbonCorners(718, 1.0f, corners);
    const TrackPoint& first = track->points[0];
    EXPECT_NEAR((corners[2][0] + corners[3][0]) / 2, first.x, 1e-6f);
    EXPECT_NEAR((corners[2][2] + corners[3][2]) / 2, first.z, 1e-6f);
    EXPECT_FLOAT_EQ(corners[2][1], first.y);
    const float width = std::hypot(corners[1][0] - corners[0][0], corners[1][2] - corners[0][2]);
    EXPECT_NEAR(width, 0.002f * std::sqrt(2.0f), 1e-6f);
}

TEST_F(TrackTest, MessageCarriesTheFourFrequencies)
{
    track->trackFrequencyA = 2;
    track->trackFrequencyB = 1;
    track->trackFrequencyC = 7;
    track->trackFrequencyD = 7;
    char message[80];
    formatTrackMessage(*track, message, sizeof message);
    EXPECT_STREQ(message, "New Track: 2 1 7 7");
    char tiny[8];
    formatTrackMessage(*track, tiny, sizeof tiny);
    EXPECT_STREQ(tiny, "New Tra");
}

}
