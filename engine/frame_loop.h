#pragma once

#include <cstdint>

// The engine's start-up and the order of every frame. All timing uses rideTime and frameDelta.

// One-time GL state, settings, first track, textures. Needs the engine window's context.
// Always succeeds.
bool initEngine();

// One frame at nowMs: clock, trails, projection, ride, world, texts, fade-in. False when an exit
// was asked for and 2 seconds have passed: the ride is over and the frame is not to be shown.
bool frame();

// New-track timer, stars, the scene, then the text style back to its defaults.
void updateWorld();

// First call fills the particle field; then fog, particles, light, track and the lit sphere,
// with the GL state put back afterwards, and the particles advanced.
void drawScene();

// Deletes the star field's display list and every texture.
void releaseResources();

// Clock steps of a frame from nowMs: rideTime, frameDelta (whole milliseconds since the previous
// frame; a gap over 0.1 s counts 0.05 s), the light phase and the frame-rate sample. Touches no
// GL state.
void tickClock();

// Whether a frame at this ride time ends the ride: an exit was asked for and the fade-in is over.
bool rideEnds(double rideTime, double exitRequestTime);

// The fade-in from black over the whole frame during the first 2 seconds; the overlay projection
// must be current.
void drawFadeIn(double rideTime);

// The drifting title's place during the first 10 seconds, pixels from the top-left corner.
struct TitlePosition {
    std::int16_t x;
    std::int16_t y;
};
TitlePosition titlePosition(double rideTime, int windowWidth, int windowHeight);
