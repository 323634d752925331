#include "engine/camera.h"
#include "engine/random.h"
#include "engine/ride_params.h"
#include "engine/ride_settings.h"
#include "engine/scene/particle_field.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ParticleFieldTest : public ::testing::Test {
protected:
    std::unique_ptr<ParticleField> field = std::make_unique<ParticleField>();
    RideParams params;

    void SetUp() override
    {
        params.setDefaults();
        ParticleField::emitCursor = 0;
        ParticleField::lastUpdateTime = 0;
        seedRandom(1);
    }
};

TEST_F(ParticleFieldTest, FullPoolRefusesWithoutChangingCursorOrTime)
{
    field->emitInterval = 0;
    for (int i = 0; i < ParticleField::poolSize; ++i)
        ASSERT_EQ(field->emit(0, 0, 0, 1.0f, 1.0f), i);
    EXPECT_EQ(ParticleField::emitCursor, 0);
    EXPECT_EQ(field->emit(0, 0, 0, 7.0f, 1.0f), -1);
    EXPECT_EQ(ParticleField::emitCursor, 0);
    EXPECT_FLOAT_EQ(field->lastEmitTime, 1.0f);
}

TEST_F(ParticleFieldTest, FreeSlotsAreFoundRoundRobinFromTheCursor)
{
    field->emitInterval = 0;
    ParticleField::emitCursor = 499;
    EXPECT_EQ(field->emit(0, 0, 0, 0, 1.0f), 499);
    EXPECT_EQ(ParticleField::emitCursor, 0);
    EXPECT_EQ(field->emit(0, 0, 0, 0, 1.0f), 0);
    field->particles[1].alive = 1;
    EXPECT_EQ(field->emit(0, 0, 0, 0, 1.0f), 2);
}

TEST_F(ParticleFieldTest, EmissionWaitsForTheInterval)
{
    EXPECT_FLOAT_EQ(field->emitInterval, 0.1f);
    field->lastEmitTime = 5.0;
    EXPECT_EQ(field->emit(0, 0, 0, 5.05, 1.0f), -1);
    // A binary fraction, so the boundary itself is exact: a particle comes at the interval.
    field->emitInterval = 0.25f;
    EXPECT_EQ(field->emit(0, 0, 0, 5.249, 1.0f), -1);
    EXPECT_GE(field->emit(0, 0, 0, 5.25, 1.0f), 0);
}

TEST_F(ParticleFieldTest, ClearFreesEverySlotAndTheSeed)
{
    field->emitInterval = 0;
    field->seeded = 1;
    field->emit(0, 0, 0, 0, 1.0f);
    field->clear();
    EXPECT_EQ(field->seeded, 0);
    for (const Particle& particle : field->particles)
        ASSERT_EQ(particle.alive, 0);
}

TEST_F(ParticleFieldTest, NegativeLifetimeNeverDiesAndKeepsItsColour)
{
    configureRideParticles(*field, 3);
    const int slot = field->emit(0.1f, 0.5f, 0.2f, 1.0f, 2.2f);
    ASSERT_GE(slot, 0);
    const Particle& particle = field->particles[slot];
    EXPECT_LT(particle.lifetime, 0.0f);
    for (float time = 1.0f; time < 5000.0f; time += 37.0f)
        field->update(time, params);
    EXPECT_EQ(particle.alive, 1);
    float rgba[4];
    field->colourAt(particle, 1.0f, 4000.0f, rgba);
    EXPECT_FLOAT_EQ(rgba[0], 1.0f);
    EXPECT_FLOAT_EQ(rgba[3], 1.0f);
    // Still: no velocity, so the cloud never drifts.
    EXPECT_FLOAT_EQ(particle.position[1], 0.5f);
}

TEST_F(ParticleFieldTest, UpdateStepIsClampedBothWays)
{
    field->emitInterval = 0;
    field->baseVelocity[0] = 1.0f;
    const int slot = field->emit(0, 0, 0, 0, 1.0f);
    Particle& particle = field->particles[slot];
    particle.lifetime = -1;
    ParticleField::lastUpdateTime = 10.0f;
    field->update(12.0f, params); // a 2-second pause moves like 0.05 s
    EXPECT_NEAR(particle.position[0], 0.05f, 1e-6f);
    field->update(12.001f, params); // 0.001 s moves like 0.005 s
    EXPECT_NEAR(particle.position[0], 0.055f, 1e-6f);
    params.scaleFactor = 2;
    params.speedFactor = 1.5f;
    field->update(12.051f, params);
    EXPECT_NEAR(particle.position[0], 0.055f + 0.05f * 3, 1e-5f);
}

TEST_F(ParticleFieldTest, FloorBounceHalvesTheSpeedUpwards)
{
    field->emitInterval = 0;
    field->floorBounce = 1;
    field->baseVelocity[1] = -2.0f;
    const int slot = field->emit(0, 0.01f, 0, 0, 1.0f);
    Particle& particle = field->particles[slot];
    particle.lifetime = -1;
    ParticleField::lastUpdateTime = 0;
    field->update(0.05f, params);
    EXPECT_EQ(particle.position[1], 0.0f);
    EXPECT_FLOAT_EQ(particle.velocity[1], 1.0f);
}

TEST_F(ParticleFieldTest, MortalParticleFadesWithTheCosineAndDies)
{
    field->emitInterval = 0;
    const int slot = field->emit(0, 0, 0, 0, 1.0f);
    Particle& particle = field->particles[slot];
    particle.lifetime = 2.0f;
    particle.deathTime = 2.0f;
    float rgba[4];
    field->colourAt(particle, 1.0f, 1.0f, rgba);
    EXPECT_NEAR(rgba[3], 0.5f, 1e-6f);
    // Colour runs linearly from white to red and is premultiplied.
    EXPECT_NEAR(rgba[0], 1.0f * 0.5f, 1e-6f);
    EXPECT_NEAR(rgba[1], 0.5f * 0.5f, 1e-6f);
    field->colourAt(particle, 1.0f, 0.5f, rgba);
    EXPECT_NEAR(rgba[3], 0.854f, 1e-3f);
    field->update(2.0f, params);
    EXPECT_EQ(particle.alive, 1);
    field->update(2.01f, params);
    EXPECT_EQ(particle.alive, 0);
}

TEST_F(ParticleFieldTest, RandomDrawsFollowTheFixedOrder)
{
    field->emitInterval = 0;
    field->spread = 2.0f;
    field->freeRotation = 1;
    field->spinScale = 3;
    seedRandom(77);
    const double vx = frand(2.0) - 1.0, vy = frand(2.0) - 1.0, vz = frand(2.0) - 1.0;
    const double roll = frand(360.0), rollRate = (frand(200.0) - 100.0) * 3;
    const double lifetime = (frand(0.5) + 0.5) * (1.0 / 2.0);
    seedRandom(77);
    const Particle& particle = field->particles[field->emit(0, 0, 0, 0, 2.0f)];
    EXPECT_FLOAT_EQ(particle.velocity[0], static_cast<float>(vx));
    EXPECT_FLOAT_EQ(particle.velocity[1], static_cast<float>(vy));
    EXPECT_FLOAT_EQ(particle.velocity[2], static_cast<float>(vz));
    EXPECT_FLOAT_EQ(particle.roll, static_cast<float>(roll));
    EXPECT_FLOAT_EQ(particle.rollRate, static_cast<float>(rollRate));
    EXPECT_FLOAT_EQ(particle.lifetime, static_cast<float>(lifetime));
}

TEST_F(ParticleFieldTest, CapacityBeyondThePoolNeverWritesPastIt)
{
    field->capacity = 100000;
    field->emitInterval = 0;
    int emitted = 0;
    for (int i = 0; i < 600; ++i)
        emitted += field->emit(0, 0, 0, 0, 1.0f) >= 0;
    EXPECT_EQ(emitted, ParticleField::poolSize);
    EXPECT_LT(ParticleField::emitCursor, ParticleField::poolSize);
}

}

namespace {

// A quarter turn about z (roll), then about y (yaw): the order the view's rotations nest in.
TEST_F(ParticleFieldTest, TurnedSpriteRollsBeforeItYaws)
{
    Particle particle;
    particle.size = 0.5f;
    particle.position[0] = 10;
    particle.roll = -90;
    field->drawOffset[1] = 20;
    Camera camera;
    camera.yaw = -90;
    float corners[4][3];
    field->turnedCorners(particle, 2.0f, camera, corners);
    // Lower left (-1, -1, 0) rolls to (1, -1, 0) and yaws to (0, -1, -1); upper right mirrors it.
    const float expected[2][3] = {{10, 19, -1}, {10, 21, 1}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(corners[0][k], expected[0][k], 1e-5f) << k;
        EXPECT_NEAR(corners[2][k], expected[1][k], 1e-5f) << k;
    }
    // A quarter turn about x stands the sprite up out of the view plane.
    camera.yaw = 0;
    particle.roll = 0;
    particle.pitch = -90;
    field->turnedCorners(particle, 2.0f, camera, corners);
    EXPECT_NEAR(corners[0][1], 20, 1e-5f);
    EXPECT_NEAR(corners[0][2], -1, 1e-5f);
}

}
