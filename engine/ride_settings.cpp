#include "engine/ride_settings.h"

#include "contract/engine_contract.h"
#include "engine/engine_state.h"
#include "engine/random.h"
#include "engine/scene/pattern_texture.h"
#include "engine/scene/picture_texture.h"
#include "files/profile.h"
#include "files/work_folder.h"

#include <GL/gl.h>
#include <cstdio>

std::string workFilePath(const char* name)
{
    return WorkFilePath(name).string();
}

void formatTrackMessage(const Track& track, char* buffer, std::size_t size)
{
    std::snprintf(buffer, size, "New Track: %1d %1d %1d %1d", track.trackFrequencyA, track.trackFrequencyB,
                  track.trackFrequencyC, track.trackFrequencyD);
}

void loadRideSettings()
{
    seedRandom(static_cast<std::uint32_t>(nowMs));
    glClearColor(0, 0, 0, 1);

    rideParams.setDefaults();
    sceneBrightness = 1.0f;
    paused = 0;
    exitRequestTime = 0;

    const std::string settings = workFilePath(SettingsFileName);
    const int scaleLevel = rideChoice.scaleLevel != 0
        ? rideChoice.scaleLevel
        : GetPrivateProfileIntA(SettingsSectionName, ScaleKey, 5, settings);
    const int speedLevel = rideChoice.speedLevel != 0
        ? rideChoice.speedLevel
        : GetPrivateProfileIntA(SettingsSectionName, FastKey, 5, settings);
    rideParams.scaleFactor = scaleFactorForLevel(scaleLevel);
    rideParams.speedFactor = speedFactorForLevel(speedLevel);

    particleField.clear();
    camera.reset(static_cast<float>(rideParams.fieldOfView));
    track.generate(0.5f, 0.1f, 0.25f);

    char message[TextOverlay::messageCapacity];
    formatTrackMessage(track, message, sizeof message);
    textOverlay.postMessage(message, rideTime);
}

void setupResources()
{
    trackTexture = MakePatternTexture(SpotPattern, false);
    textureTable.append(trackTexture);
    track.texture = static_cast<int>(trackTexture);

    particleTexture = MakePatternTexture(TentPattern, false);
    textureTable.append(particleTexture);

    sphereTexture = LoadPictureTexture(workFilePath(SpherePictureFileName).c_str(), 256, 255, 0, true);
    textureTable.append(sphereTexture);

    configureRideParticles(particleField, particleTexture);
    starField.build(500, 1.5f, 0, StarField::UpperBallShell);
    sphereModel.build(rideParams.scaleFactor * 0.01, rideParams.sphereDetail, rideParams.sphereDetail);
}

void configureRideParticles(ParticleField& field, unsigned int texture)
{
    field.capacity = ParticleField::poolSize;
    field.alphaTest = 1;
    field.blend = 1;
    field.depthTest = 0;
    field.depthWrite = 0;
    field.texture = static_cast<int>(texture);
    field.srcBlendIndex = 2;
    field.dstBlendIndex = 1;
    field.floorBounce = 0;
    field.freeRotation = 0;
    field.spinScale = 1;
    for (int k = 0; k < 3; ++k) {
        field.drawOffset[k] = 0;
        field.baseVelocity[k] = 0;
        field.wind[k] = 0;
        field.startColour[k] = 1;
        field.endColour[k] = 1;
    }
    field.startSize = 0.0025f;
    field.growthRate = 0;
    field.texS0 = 0;
    field.texS1 = 1;
    field.texT0 = 0;
    field.texT1 = 1;
    field.spread = 0;
    field.gravity = 0;
    field.drag = 1.0f;
    field.pitchRate = 0;
    field.yawRate = 0;
    field.baseLifetime = -1.0f;
    field.emitInterval = 0;
    field.startAlpha = 1.0f;
    field.endAlpha = 0;
}
