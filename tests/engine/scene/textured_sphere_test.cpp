#include "engine/scene/textured_sphere.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Strips {
    std::vector<std::vector<SphereVertex>> strips;
};

Strips collect(int slices, int stacks, double radius = 1.0)
{
    Strips result;
    forEachSphereStrip(
        radius, slices, stacks, 1.0, 1.0, 0.0, 0.0, [&] { result.strips.emplace_back(); },
        [&](const SphereVertex& vertex) { result.strips.back().push_back(vertex); });
    return result;
}

TEST(TexturedSphere, FewerThanTwoStacksDrawNothing)
{
    EXPECT_TRUE(collect(40, 1).strips.empty());
    EXPECT_TRUE(collect(40, 0).strips.empty());
    EXPECT_TRUE(collect(0, 40).strips.empty());
    const Strips poleToPole = collect(8, 2);
    ASSERT_EQ(poleToPole.strips.size(), 1u);
    EXPECT_NEAR(poleToPole.strips[0][0].position[1], -1.0, 1e-6);
    EXPECT_NEAR(poleToPole.strips[0][1].position[1], 1.0, 1e-6);
}

TEST(TexturedSphere, FortyByFortyGivesThirtyNineStripsOfEightyTwo)
{
    const double radius = 0.01;
    const Strips sphere = collect(40, 40, radius);
    ASSERT_EQ(sphere.strips.size(), 39u);
    for (const auto& strip : sphere.strips)
        ASSERT_EQ(strip.size(), 82u);
    const auto& first = sphere.strips.front();
    for (std::size_t v = 1; v < first.size(); v += 2) {
        EXPECT_NEAR(first[v].position[1], radius, 1e-12);
        EXPECT_NEAR(first[v].texture[1], 0.0, 1e-12);
    }
    EXPECT_NEAR(sphere.strips.back()[0].texture[1], 39.0 / 40.0, 1e-12);
    EXPECT_NEAR(first.front().texture[0], 39.0 / 40.0, 1e-12);
    EXPECT_NEAR(first.back().texture[0], -1.0 / 40.0, 1e-12);
    // The last pair repeats the first pair's place: the seam closes.
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(first[80].position[k], first[0].position[k], 1e-12);
}

TEST(TexturedSphere, NormalsAreUnitAndPointOutwards)
{
    for (const auto& strip : collect(12, 9).strips) {
        for (const SphereVertex& vertex : strip) {
            const double length = std::hypot(vertex.normal[0], vertex.normal[1], vertex.normal[2]);
            ASSERT_NEAR(length, 1.0, 1e-9);
            ASSERT_NEAR(vertex.position[0], vertex.normal[0], 1e-12);
        }
    }
}

TEST(TexturedSphere, StripsWindCounterClockwiseSeenFromOutside)
{
    const Strips sphere = collect(16, 8);
    const auto& strip = sphere.strips[3];
    // Triangle (v0, v1, v2) of a strip: its normal must point away from the centre.
    const double* a = strip[0].position;
    const double* b = strip[1].position;
    const double* c = strip[2].position;
    const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double outward = n[0] * a[0] + n[1] * a[1] + n[2] * a[2];
    EXPECT_GT(outward, 0.0);
}

}
