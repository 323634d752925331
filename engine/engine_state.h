#pragma once

#include "engine/camera.h"
#include "engine/ride_choice.h"
#include "engine/ride_params.h"
#include "engine/scene/kept_frame.h"
#include "engine/scene/particle_field.h"
#include "engine/scene/sphere_model.h"
#include "engine/scene/star_field.h"
#include "engine/scene/text_overlay.h"
#include "engine/scene/texture_table.h"
#include "engine/track.h"

#include <cstdint>

// The engine's process-lifetime state: fixed-size globals built before main and never
// reallocated, so frames allocate nothing.

// Times are kept in double: a ride may last weeks, and a float second counter loses the frame step
// after a few days.
extern std::int64_t nowMs;         // milliseconds since the engine started, never wrapping
extern double rideTime;            // seconds: nowMs × 0.001
extern std::int64_t previousNowMs; // nowMs of the previous frame
extern float frameDelta;         // seconds since the previous frame; a gap over 0.1 counts 0.05
extern int frameCount;           // frames since the last frame-rate sample
extern double nextSecond;        // ride time (s) of the next frame-rate sample
extern int framesPerSecond;      // last sample; 30 until the first
extern int windowWidth;          // pixels, from the window system's last resize
extern int windowHeight;
extern double exitRequestTime;   // 0: no exit asked for
extern double lightPhase;        // seconds-driven phase of the circling light
extern float sceneBrightness;    // 1.0 for the whole ride
extern int paused;               // set: the car does not advance
extern RideChoice rideChoice;    // this ride's levels and whether it is hosted

extern unsigned int trackTexture;
extern unsigned int particleTexture;
extern unsigned int sphereTexture;

extern TextOverlay textOverlay;
extern RideParams rideParams;
extern Camera camera;
extern Track track;
extern StarField starField;
extern SphereModel sphereModel;
extern ParticleField particleField;
extern TextureTable textureTable;
extern KeptFrame keptFrame;
