#pragma once

// One slot of a particle pool. Angles in degrees, rates per second, times in ride seconds.
struct Particle {
    float position[3] = {0, 0, 0};
    float velocity[3] = {0, 0, 0}; // units per scaled second
    float pitch = 0, pitchRate = 0;
    float yaw = 0, yawRate = 0;
    float roll = 0, rollRate = 0;
    float size = 0;      // half-size factor of the sprite
    float lifetime = 0;  // seconds; 0 or less: never dies
    double birthTime = 0;
    double deathTime = 0;
    int alive = 0;
};
