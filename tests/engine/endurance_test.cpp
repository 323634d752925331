#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "tests/support/gl_test_window.h"
#include "tests/support/temporary_folder.h"

#include <GL/gl.h>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <new>

// Every allocation through operator new in this program is counted, the GL driver's included,
// so a count that stays put over hours of frames shows the frame loop allocates nothing.
namespace {
std::atomic<long> allocationCount{0};
}

void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace {

bool finite(const float* values, int count)
{
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(values[i]))
            return false;
    return true;
}

struct RideWatch {
    int newTracks = 0;
    int framesOffTrack = 0;
    int framesNotFinite = 0;
    int glErrors = 0;
    double lastExpiry = 0;

    void check()
    {
        const float* car = track.carPosition;
        if (!finite(car, 3) || !finite(track.carDirection, 3) || !std::isfinite(track.segmentFraction)
            || !std::isfinite(camera.pitch) || !std::isfinite(camera.yaw) || !std::isfinite(frameDelta))
            ++framesNotFinite;
        for (const Particle& particle : particleField.particles)
            if (!finite(particle.position, 3) || !std::isfinite(particle.size))
                ++framesNotFinite;
        const bool onTrack = std::fabs(car[0]) <= 1.05f && std::fabs(car[2]) <= 1.05f && car[1] >= 0.0f
                             && car[1] <= 0.5f && track.segmentIndex >= 0 && track.segmentIndex < track.pointCount
                             && track.segmentFraction < 1.0f && track.segmentFraction > -1.0f;
        framesOffTrack += !onTrack;
        if (textOverlay.messageExpiry != lastExpiry && textOverlay.messageExpiry == rideTime + 3.0
            && std::strncmp(textOverlay.messageText, "New Track:", 10) == 0)
            ++newTracks;
        lastExpiry = textOverlay.messageExpiry;
        glErrors += glGetError() != GL_NO_ERROR;
    }
};

TEST(Endurance, TenHoursOfRideAllocateNothingAndStayOnTrack)
{
    TemporaryHome home;
    makeGlTestWindow(64, 48);
    windowWidth = 64;
    windowHeight = 48;
    ASSERT_TRUE(initEngine());

    RideWatch watch;
    // Warm-up: the fade-in, the title, a message and a first new track, at 60 frames a second,
    // so every drawing path has run once before counting starts.
    for (nowMs = 0; nowMs <= 130000; nowMs += 16) {
        frame();
        watch.check();
    }
    ASSERT_EQ(watch.newTracks, 2); // the first track's message and one replacement

    const long allocationsBefore = allocationCount;
    // At least ten hours and 300 new tracks in one-second frames (each a stall that moves the
    // ride 0.05 s), with a burst of ordinary frames every minute.
    const int tenHoursMs = 10 * 3600 * 1000;
    int frames = 0;
    const int elevenHoursMs = 11 * 3600 * 1000;
    while (nowMs < 130000 + tenHoursMs || (watch.newTracks < 2 + 300 && nowMs < 130000 + elevenHoursMs)) {
        nowMs += (frames % 60 < 5) ? 16 : 1000;
        frame();
        watch.check();
        ++frames;
    }
    const long allocationsDuring = allocationCount - allocationsBefore;

    EXPECT_EQ(allocationsDuring, 0);
    EXPECT_GE(watch.newTracks, 2 + 300);
    EXPECT_EQ(watch.framesOffTrack, 0);
    EXPECT_EQ(watch.framesNotFinite, 0);
    EXPECT_EQ(watch.glErrors, 0);
    EXPECT_EQ(particleField.seeded, 1);
    int alive = 0;
    for (const Particle& particle : particleField.particles)
        alive += particle.alive;
    EXPECT_EQ(alive, ParticleField::poolSize);
    releaseResources();
}

}
