#include "engine/engine_state.h"

int nowMs = 0;
float rideTime = 0;
double previousRideTime = 0;
float frameDelta = 0;
int frameCount = 0;
double nextSecond = 1.0;
int framesPerSecond = 30;
int windowWidth = 0;
int windowHeight = 0;
float exitRequestTime = 0;
double lightPhase = 0;
float sceneBrightness = 1.0f;
int paused = 0;

unsigned int trackTexture = 0;
unsigned int particleTexture = 0;
unsigned int sphereTexture = 0;

TextOverlay textOverlay;
RideParams rideParams;
Camera camera;
Track track;
StarField starField;
ParticleField particleField;
TextureTable textureTable;
KeptFrame keptFrame;
