#include "camera.h"

void Camera::reset(float fieldOfViewDegrees)
{
    fieldOfView = fieldOfViewDegrees;
    pitch = 0;
    yaw = 0;
    roll = 0;
    position[0] = position[1] = position[2] = 0;
}
