#pragma once

#include "engine/track_point.h"

class Camera;
class RideParams;

// The closed coaster track, sampled at 720 points, with the car riding on it. Positions are in
// scene units; the engine's tracks lie within -1..1 in x and z and 0.05..0.45 in height.
class Track {
public:
    static constexpr int capacity = 720;

    virtual ~Track() = default;

    TrackPoint points[capacity];
    int pointCount = capacity;
    int segmentIndex = 0;        // the point the car has last passed
    int trackFrequencyA = 0;     // 1..3, cosine term of x
    int trackFrequencyB = 0;     // 1..3, never equal to A, sine term of z
    int trackFrequencyC = 0;     // 5..9, cosine term of the height
    int trackFrequencyD = 0;     // 5..9, sine term of the height
    int texture = 0;             // GL texture name of the ribbon
    float segmentFraction = 0;   // 0 to below 1 between segmentIndex and the next point
    float carPosition[3] = {0, 0, 0};
    float carDirection[3] = {0, 0, 0}; // unit vector of the heading
    float maxHeight = 0;         // largest y of all points

    // Draws four frequencies and samples a new curve; keeps the car's index, fraction,
    // position and direction and the texture.
    void generate(float amplitude, float heightAmplitude, float baseHeight);

    // Heading (yaw) and slope (pitch) of a step, radians, measured against the z axis: a step
    // along -z has yaw 0, along +z yaw pi; pitch = -atan(dy / |dz|). Yaw lies in -pi/2..3pi/2.
    static void directionAngles(float dx, float dy, float dz, float& pitch, float& yaw);

    // Moves the car by dt seconds at the speed its height gives, then places it between its
    // two points and turns it towards the look-ahead point.
    void advance(float dt, const RideParams& params);

    // Puts the camera on the car, turned to its heading and tilted by 70 percent of its slope.
    void placeCamera(Camera& camera) const;

    // The four corners of the ribbon quad that starts at point index (even), scaled by
    // widthScale, in drawing order; texture rows 0.2..0.8 go with corners 1-2 and 3-4.
    void ribbonCorners(int index, float widthScale, float (&corners)[4][3]) const;

    // Submits the ribbon: one textured, alpha-tested, blended quad per two points. Restores the
    // alpha function and switches off what it switched on.
    void draw(float widthScale, float brightness) const;
};
