#pragma once

#include <cstddef>
#include <string>

class ParticleField;
class Track;

// Full path of a file in the shared work folder.
std::string workFilePath(const char* name);

// Reseeds the random source, resets the ride parameters, the ride state and the camera, reads
// "Scale" and "Fast" from the settings file (missing: level 5) unless this ride's choice gives
// their levels, generates the first track and posts its message. Needs a current GL context (it
// sets the clear colour).
void loadRideSettings();

// Makes the ride's textures (spot, tent, sphere picture) into the texture table, gives the
// particle field its ride values and compiles the star field and the sphere. Needs a current GL
// context.
void setupResources();

// The ride's particle values: a still cloud of small white motes that never die, added to the
// picture without depth testing.
void configureRideParticles(ParticleField& field, unsigned int texture);

// "New Track: A B C D" with the track's four frequencies, cut to the buffer.
void formatTrackMessage(const Track& track, char* buffer, std::size_t size);
