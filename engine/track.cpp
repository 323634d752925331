#include "engine/track.h"

#include "engine/camera.h"
#include "engine/random.h"
#include "engine/ride_params.h"

#include <cmath>

namespace {

constexpr float pi = 3.1415927f;
constexpr float halfPi = 1.5707964f;
constexpr float degreesPerRadian = 57.29578f;
constexpr float radiansPerDegree = 0.017453292f;

// atan(n / d) without large quotients; an infinite quotient gives +-pi/2.
float arctangent(float n, float d)
{
    const float q = n / d;
    if (q >= -1 && q <= 1)
        return std::atan(q);
    if (q > 1)
        return halfPi + std::atan(-d / n);
    if (q < -1)
        return std::atan(-d / n) - halfPi;
    // 0 / 0: a step without length has no direction; call it straight ahead.
    return 0;
}

}

void Track::generate(float amplitude, float heightAmplitude, float baseHeight)
{
    maxHeight = -99999.0f;
    do {
        trackFrequencyA = static_cast<int>(frand(3.0) + 1.0);
        trackFrequencyB = static_cast<int>(frand(3.0) + 1.0);
    } while (trackFrequencyA == trackFrequencyB);
    trackFrequencyC = static_cast<int>(frand(5.0) + 5.0);
    trackFrequencyD = static_cast<int>(frand(5.0) + 5.0);

    const float step = static_cast<float>((360.0 / pointCount) * radiansPerDegree);
    for (int i = 0; i < pointCount; ++i) {
        const double theta = i * static_cast<double>(step);
        TrackPoint& point = points[i];
        point.x = static_cast<float>((std::cos(trackFrequencyA * theta) + std::sin(theta)) * amplitude);
        point.y = static_cast<float>((std::sin(trackFrequencyD * theta) + std::cos(trackFrequencyC * theta)) * heightAmplitude
                                     + baseHeight);
        point.z = static_cast<float>((std::cos(theta) - std::sin(trackFrequencyB * theta)) * amplitude);
        if (point.y > maxHeight)
            maxHeight = point.y;
    }
    for (int i = 0; i < pointCount; ++i) {
        const TrackPoint& here = points[i];
        const TrackPoint& next = points[(i + 1) % pointCount];
        float pitch = 0, yaw = 0;
        directionAngles(next.x - here.x, next.y - here.y, next.z - here.z, pitch, yaw);
        points[i].yaw = yaw * degreesPerRadian;
    }
}

void Track::directionAngles(float dx, float dy, float dz, float& pitch, float& yaw)
{
    float heading = arctangent(dx, dz);
    if (dz < 0)
        heading += pi;
    yaw = pi - heading;

    float slope = arctangent(dy, dz);
    if (dz < 0)
        slope = -slope;
    pitch = -slope;
}

void Track::advance(float dt, const RideParams& params)
{
    segmentFraction += ((maxHeight - carPosition[1]) * 13 + 1) * params.speedFactor * dt * 7;
    while (segmentFraction >= 1) {
        segmentFraction -= 1;
        if (++segmentIndex >= pointCount)
            segmentIndex = 0;
    }

    const int i0 = segmentIndex;
    const int i1 = i0 + 1 >= pointCount ? 0 : i0 + 1;
    const int i2 = i1 + 1 >= pointCount ? 0 : i1 + 1;
    const TrackPoint& p0 = points[i0];
    const TrackPoint& p1 = points[i1];
    const TrackPoint& p2 = points[i2];
    const float f = segmentFraction;

    carPosition[0] = p0.x + f * (p1.x - p0.x);
    carPosition[1] = p0.y + f * (p1.y - p0.y);
    carPosition[2] = p0.z + f * (p1.z - p0.z);
    const float ahead[3] = {p1.x + f * (p2.x - p1.x), p1.y + f * (p2.y - p1.y), p1.z + f * (p2.z - p1.z)};
    const float d[3] = {ahead[0] - carPosition[0], ahead[1] - carPosition[1], ahead[2] - carPosition[2]};
    const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    // Coinciding points would give no heading; keep the last one rather than spreading NaNs.
    if (length > 0) {
        for (int k = 0; k < 3; ++k)
            carDirection[k] = d[k] / length;
    }
}

void Track::placeCamera(Camera& camera) const
{
    float pitch = 0, yaw = 0;
    directionAngles(carDirection[0], carDirection[1], carDirection[2], pitch, yaw);
    for (int k = 0; k < 3; ++k)
        camera.position[k] = carPosition[k];
    camera.pitch = pitch * 40.107044f;
    camera.yaw = yaw * degreesPerRadian;
}

void Track::ribbonCorners(int index, float s, float (&corners)[4][3]) const
{
    const TrackPoint& a = points[index];
    const TrackPoint& b = points[(index + 2) % pointCount];
    const double psi = a.yaw * radiansPerDegree;
    const float e1 = static_cast<float>(s * (std::cos(psi) - std::sin(psi)) * 0.001);
    const float e2 = static_cast<float>(s * (std::cos(psi) + std::sin(psi)) * 0.001);
    const float raw[4][3] = {
        {a.x - e1, a.y, a.z - e2},
        {a.x + e1, a.y, a.z + e2},
        {b.x + e1, b.y, b.z + e2},
        {b.x - e1, b.y, b.z - e2},
    };
    for (int c = 0; c < 4; ++c)
        for (int k = 0; k < 3; ++k)
            corners[c][k] = s * raw[c][k];
}
