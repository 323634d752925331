#pragma once

// Where the viewer stands and looks. Angles in degrees; the view never rolls.
class Camera {
public:
    virtual ~Camera() = default;

    float fieldOfView = 0; // vertical, degrees
    float pitch = 0;       // about the x axis, degrees
    float yaw = 0;         // about the y axis, degrees
    float roll = 0;
    float position[3] = {0, 0, 0};

    // Field of view from the ride parameters (degrees), every angle and the position zero.
    void reset(float fieldOfViewDegrees);
};
