#pragma once

// One sampled point of the track. y is the height (+y is up).
struct TrackPoint {
    float x = 0;
    float y = 0;
    float z = 0;
    float yaw = 0; // heading of the step to the next point, degrees
};
