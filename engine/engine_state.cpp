#include "engine/engine_state.h"

std::int64_t nowMs = 0;
double rideTime = 0;
std::int64_t previousNowMs = 0;
float frameDelta = 0;
int frameCount = 0;
double nextSecond = 1.0;
int framesPerSecond = 30;
int windowWidth = 0;
int windowHeight = 0;
double exitRequestTime = 0;
double lightPhase = 0;
float sceneBrightness = 1.0f;
int paused = 0;
RideChoice rideChoice;

unsigned int trackTexture = 0;
unsigned int particleTexture = 0;
unsigned int sphereTexture = 0;

TextOverlay textOverlay;
RideParams rideParams;
Camera camera;
Track track;
StarField starField;
SphereModel sphereModel;
ParticleField particleField;
TextureTable textureTable;
KeptFrame keptFrame;
