#include "engine/scene/particle_field.h"

#include "engine/camera.h"
#include "engine/random.h"
#include "engine/ride_params.h"
#include "engine/scene/resting_state.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr GLenum sourceFactors[] = {GL_ZERO, GL_ONE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_DST_ALPHA,
                                    GL_ONE_MINUS_DST_ALPHA, GL_DST_COLOR, GL_ONE_MINUS_DST_COLOR,
                                    GL_SRC_ALPHA_SATURATE};
constexpr GLenum destinationFactors[] = {GL_ZERO, GL_ONE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_DST_ALPHA,
                                         GL_ONE_MINUS_DST_ALPHA, GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR};

// A sprite's corners in half-sizes along its own right and up, counter-clockwise from lower left.
constexpr float cornerSigns[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};

template<typename Table>
GLenum factorAt(const Table& table, int index, GLenum fallback)
{
    if (index < 0 || index >= static_cast<int>(std::size(table)))
        return fallback;
    return table[index];
}

}

int ParticleField::emitCursor = 0;
double ParticleField::lastUpdateTime = 0;

float lerp(float a, float b, float u)
{
    return (1 - u) * a + u * b;
}

float cosineBlend(float a, float b, float u)
{
    const float w = (1 - std::cos(u * 3.1415927f)) / 2;
    return (1 - w) * a + w * b;
}

ParticleField::ParticleField()
{
    clear();
}

void ParticleField::clear()
{
    const int slots = std::clamp(capacity, 0, poolSize);
    for (int i = 0; i < slots; ++i)
        particles[i].alive = 0;
    seeded = 0;
}

int ParticleField::emit(float x, float y, float z, double time, float speedFactor)
{
    if (lastEmitTime + emitInterval > time)
        return -1;
    const float halfSpread = spread * 0.5f;
    const int slots = std::clamp(capacity, 0, poolSize);
    int slot = -1;
    for (int k = 0; k < slots; ++k) {
        const int candidate = (emitCursor + k) % slots;
        if (!particles[candidate].alive) {
            slot = candidate;
            break;
        }
    }
    if (slot < 0)
        return -1;
    emitCursor = (slot + 1) % slots;
    lastEmitTime = time;

    Particle& particle = particles[slot];
    particle.alive = 1;
    particle.position[0] = x;
    particle.position[1] = y;
    particle.position[2] = z;
    for (int k = 0; k < 3; ++k)
        particle.velocity[k] = static_cast<float>(frand(spread) - halfSpread + baseVelocity[k]);
    particle.pitch = 0;
    particle.pitchRate = pitchRate;
    particle.yaw = 0;
    particle.yawRate = yawRate;
    if (freeRotation) {
        particle.roll = static_cast<float>(frand(360.0));
        particle.rollRate = static_cast<float>((frand(200.0) - 100.0) * spinScale);
    } else {
        particle.roll = 0;
        particle.rollRate = 0;
    }
    particle.size = startSize;
    particle.birthTime = time;
    particle.lifetime = static_cast<float>((frand(0.5) + 0.5) * (baseLifetime / speedFactor));
    particle.deathTime = time + particle.lifetime;
    return slot;
}

void ParticleField::update(double time, const RideParams& params)
{
    float dt = static_cast<float>(time - lastUpdateTime);
    if (dt > 0.1f)
        dt = 0.05f;
    else if (dt < 0.005f)
        dt = 0.005f;
    lastUpdateTime = time;
    const float c = dt * params.scaleFactor * params.speedFactor;

    const int slots = std::clamp(capacity, 0, poolSize);
    for (int i = 0; i < slots; ++i) {
        Particle& particle = particles[i];
        if (!particle.alive)
            continue;
        if (particle.lifetime > 0 && time > particle.deathTime) {
            particle.alive = 0;
            continue;
        }
        for (int k = 0; k < 3; ++k)
            particle.position[k] += (wind[k] + particle.velocity[k]) * c;
        if (drag != 1.0f) {
            for (float& component : particle.velocity)
                component *= drag;
        }
        particle.velocity[1] += gravity;
        particle.pitch += dt * particle.pitchRate;
        particle.yaw += dt * particle.yawRate;
        if (freeRotation)
            particle.roll += dt * particle.rollRate;
        particle.size += dt * growthRate * params.speedFactor;
        if (floorBounce && particle.position[1] < 0) {
            particle.position[1] = 0;
            particle.velocity[1] *= -0.5f;
        }
    }
}

void ParticleField::colourAt(const Particle& particle, float brightness, double time, float (&rgba)[4]) const
{
    if (particle.lifetime > 0) {
        const float u = static_cast<float>((time - particle.birthTime) / particle.lifetime);
        const float alpha = cosineBlend(startAlpha * brightness, endAlpha * brightness, u);
        for (int k = 0; k < 3; ++k)
            rgba[k] = lerp(startColour[k], endColour[k], u) * alpha;
        rgba[3] = alpha;
    } else {
        const float alpha = startAlpha * brightness;
        for (int k = 0; k < 3; ++k)
            rgba[k] = startColour[k] * alpha;
        rgba[3] = alpha;
    }
}

void ParticleField::facingCorners(const Particle& particle, const float (&right)[3], const float (&up)[3],
                                  float (&corners)[4][3]) const
{
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 3; ++k)
            corners[c][k] = drawOffset[k] + particle.position[k] +
                            (cornerSigns[c][0] * right[k] + cornerSigns[c][1] * up[k]) * particle.size;
}

void ParticleField::turnedCorners(const Particle& particle, float scale, const Camera& camera,
                                  float (&corners)[4][3]) const
{
    constexpr float radiansPerDegree = 3.14159265f / 180;
    const float yawAngle = (-camera.yaw - particle.yaw) * radiansPerDegree;
    const float pitchAngle = (-camera.pitch - particle.pitch) * radiansPerDegree;
    const float rollAngle = (-camera.roll - particle.roll) * radiansPerDegree;
    const float cy = std::cos(yawAngle), sy = std::sin(yawAngle);
    const float cp = std::cos(pitchAngle), sp = std::sin(pitchAngle);
    const float cr = std::cos(rollAngle), sr = std::sin(rollAngle);
    const float h = scale * particle.size;
    for (int c = 0; c < 4; ++c) {
        // Turned about z (roll), then x (pitch), then y (yaw), as the view's rotations nest.
        const float x0 = cornerSigns[c][0] * h, y0 = cornerSigns[c][1] * h;
        const float x1 = cr * x0 - sr * y0, y1 = sr * x0 + cr * y0;
        const float y2 = cp * y1, z2 = sp * y1;
        const float x3 = cy * x1 + sy * z2, z3 = -sy * x1 + cy * z2;
        const float turned[3] = {x3, y2, z3};
        for (int k = 0; k < 3; ++k)
            corners[c][k] = drawOffset[k] + particle.position[k] + turned[k];
    }
}

void ParticleField::draw(float scale, float brightness, const Camera& camera, double time) const
{
    if (alphaTest) {
        glAlphaFunc(GL_GREATER, 0.1f);
        glEnable(GL_ALPHA_TEST);
    }
    if (blend) {
        glBlendFunc(factorAt(sourceFactors, srcBlendIndex, GL_SRC_ALPHA),
                    factorAt(destinationFactors, dstBlendIndex, GL_ONE_MINUS_SRC_ALPHA));
        glEnable(GL_BLEND);
    }
    if (depthTest) {
        if (!depthWrite)
            glDepthMask(GL_FALSE);
        glEnable(GL_DEPTH_TEST);
    }
    // No texture yet: draw plain quads rather than bind a name that was never made.
    if (texture >= 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    }

    float right[3] = {0, 0, 0};
    float up[3] = {0, 0, 0};
    if (!freeRotation) {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        for (int k = 0; k < 3; ++k) {
            right[k] = m[k * 4] * scale;
            up[k] = m[k * 4 + 1] * scale;
        }
    }

    // One batch for the whole field: a begin/end pair and a matrix change per sprite would each
    // be a draw call of its own to the driver.
    const float textureCorners[4][2] = {{texS0, texT0}, {texS1, texT0}, {texS1, texT1}, {texS0, texT1}};
    const int slots = std::clamp(capacity, 0, poolSize);
    glBegin(GL_QUADS);
    for (int i = 0; i < slots; ++i) {
        const Particle& particle = particles[i];
        if (!particle.alive)
            continue;
        float rgba[4];
        colourAt(particle, brightness, time, rgba);
        glColor4fv(rgba);
        float corners[4][3];
        if (freeRotation)
            turnedCorners(particle, scale, camera, corners);
        else
            facingCorners(particle, right, up, corners);
        for (int c = 0; c < 4; ++c) {
            glTexCoord2fv(textureCorners[c]);
            glVertex3fv(corners[c]);
        }
    }
    glEnd();

    if (alphaTest)
        restoreRestingAlphaTest();
    if (blend)
        restoreRestingBlend();
    if (depthTest) {
        glDisable(GL_DEPTH_TEST);
        if (!depthWrite)
            glDepthMask(GL_TRUE);
    }
    glDisable(GL_TEXTURE_2D);
}
