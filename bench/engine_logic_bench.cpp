// The engine's own per-frame work outside the GL driver: clock, car, camera, particles, and the
// arithmetic behind what a frame submits (ribbon corners, particle colours and corners). The
// sphere is compiled once at start-up and costs a frame nothing here.
#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/random.h"
#include "engine/ride_settings.h"

#include <benchmark/benchmark.h>

namespace {

void prepareRide()
{
    rideParams.setDefaults();
    seedRandom(1);
    track.generate(0.5f, 0.1f, 0.25f);
    configureRideParticles(particleField, 1);
    particleField.clear();
    for (int i = 0; i < ParticleField::poolSize; ++i)
        particleField.emit(static_cast<float>(frand(1.6) - 0.8), 0.5f, static_cast<float>(frand(2.0) - 1.0), 0, 1);
}

void EngineFrameLogic(benchmark::State& state)
{
    prepareRide();
    nowMs = 0;
    float sink = 0;
    for (auto _ : state) {
        nowMs += 16;
        tickClock();
        track.advance(frameDelta, rideParams);
        track.placeCamera(camera);

        float corners[4][3];
        for (int i = 0; i < track.pointCount; i += 2) {
            track.ribbonCorners(i, 1.0f, corners);
            sink += corners[2][1];
        }
        float rgba[4];
        const float right[3] = {1, 0, 0}, up[3] = {0, 1, 0};
        for (const Particle& particle : particleField.particles) {
            particleField.colourAt(particle, sceneBrightness, rideTime, rgba);
            particleField.facingCorners(particle, right, up, corners);
            sink += rgba[3] + corners[1][0];
        }
        particleField.update(rideTime, rideParams);
        benchmark::DoNotOptimize(sink);
    }
}
BENCHMARK(EngineFrameLogic)->Unit(benchmark::kMicrosecond);

}

BENCHMARK_MAIN();
