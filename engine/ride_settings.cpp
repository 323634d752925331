#include "engine/ride_settings.h"

#include "engine/engine_state.h"
#include "engine/random.h"
#include "engine/scene/pattern_texture.h"
#include "engine/scene/picture_texture.h"
#include "platform/profile.h"
#include "platform/work_folder.h"

#include <GL/gl.h>
#include <cstdio>

std::string workFilePath(const char* name)
{
    return (WorkFolderPath() / name).string();
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
    rideParams.scaleFactor = scaleFactorForLevel(GetPrivateProfileIntA(SettingsSection, "Scale", 5, settings));
    rideParams.speedFactor = speedFactorForLevel(GetPrivateProfileIntA(SettingsSection, "Fast", 5, settings));

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
}
