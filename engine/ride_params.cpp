#include "ride_params.h"

namespace {

constexpr float scaleFactors[12] = {1.0f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.4f, 1.8f, 2.2f, 2.6f, 3.0f, 3.4f};
constexpr float speedFactors[12] = {1.0f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.2f, 1.4f, 1.6f, 1.8f, 2.0f, 2.2f};

float factorFor(const float (&table)[12], int level)
{
    if (level < 0 || level > 11)
        return 1.0f;
    return table[level];
}

}

void RideParams::setDefaults()
{
    fieldOfView = 100;
    letterbox = 0;
    sphereDetail = 40;
    showStars = 1;
    clearEveryFrame = 0;
    lightingOn = 1;
    sphereTextureOn = 1;
    polygonMode = 0;
    freeCamera = 0;
    showFrameRate = 0;
    fogOn = 1;
    eyeDistance = 0.1f;
    scaleFactor = 1.0f;
    speedFactor = 1.0f;
    fogRange = 2.0f;
    trailFactor = 0.5f;
}

float scaleFactorForLevel(int level)
{
    return factorFor(scaleFactors, level);
}

float speedFactorForLevel(int level)
{
    return factorFor(speedFactors, level);
}
