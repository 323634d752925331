#pragma once

#include "engine/scene/particle.h"

class Camera;
class RideParams;

// A fixed pool of textured sprites that are emitted, moved, faded and drawn as quads facing the
// view (or turned by their own angles). Nothing is allocated after construction.
class ParticleField {
public:
    static constexpr int poolSize = 500;

    ParticleField();
    virtual ~ParticleField() = default;

    Particle particles[poolSize];
    int capacity = poolSize;   // slots in use, at most poolSize
    int alphaTest = 1;         // alpha test GREATER 0.1
    int blend = 1;
    int depthTest = 1;
    int depthWrite = 0;        // with depthTest: keep depth writes on
    int texture = -1;          // GL name; -1: draw untextured
    int srcBlendIndex = 2;     // into the source factor table, 0..8
    int dstBlendIndex = 1;     // into the destination factor table, 0..7
    int seeded = 0;            // the scene has filled the field
    int floorBounce = 0;       // bounce off the plane y = 0
    int freeRotation = 0;      // orient sprites by their angles instead of facing the view
    int spinScale = 1;
    float drawOffset[3] = {0, 0, 0};
    float baseVelocity[3] = {0, 0, 0};
    float wind[3] = {0, 0, 0};
    float startSize = 0.1f;
    float growthRate = 0;      // size per second
    float texS0 = 0, texS1 = 1, texT0 = 0, texT1 = 1;
    float spread = 0;          // width of the random velocity at emission
    float gravity = 0;         // added to velocity y at every update
    float drag = 1.0f;         // velocity factor at every update
    float pitchRate = 0, yawRate = 0; // degrees per second
    float baseLifetime = 1.0f; // seconds before the speed factor; negative: never die
    double lastEmitTime = 0;
    float emitInterval = 0.1f; // least seconds between emissions
    float startAlpha = 1.0f, endAlpha = 0;
    float startColour[3] = {1, 1, 1};
    float endColour[3] = {1, 0, 0};

    // Shared by every field of the program: where the next free-slot search starts, and the
    // ride time of the last update.
    static int emitCursor;
    static double lastUpdateTime;

    // Marks every slot free and clears seeded.
    void clear();

    // Emits one particle at (x, y, z) at ride time `time`; returns its slot, or -1 when the
    // interval has not passed or the pool is full (then nothing changes).
    int emit(float x, float y, float z, double time, float speedFactor);

    // Moves, turns, grows and retires the particles for the time since the last update
    // (a gap over 0.1 s counts 0.05 s, one under 0.005 s counts 0.005 s).
    void update(double time, const RideParams& params);

    // Submits one quad per live particle with the field's blending, alpha test and texture, and
    // switches off again what it switched on.
    void draw(float scale, float brightness, const Camera& camera, double time) const;

    // A sprite's corners in model units, counter-clockwise from lower left: facing the view
    // (right and up are the view's axes times the draw scale) or turned by the camera's and the
    // particle's angles.
    void facingCorners(const Particle& particle, const float (&right)[3], const float (&up)[3],
                       float (&corners)[4][3]) const;
    void turnedCorners(const Particle& particle, float scale, const Camera& camera, float (&corners)[4][3]) const;

    // The premultiplied colour (red, green, blue, alpha) of a particle at ride time `time`.
    void colourAt(const Particle& particle, float brightness, double time, float (&rgba)[4]) const;
};

// (1 - u) × a + u × b
float lerp(float a, float b, float u);

// Like lerp, but eased: w = (1 - cos(u × pi)) / 2.
float cosineBlend(float a, float b, float u);
