#pragma once

// The ride's factors and fixed switches. Filled once at start-up by loadRideSettings(), then
// only read. Switches are ints used as booleans.
class RideParams {
public:
    virtual ~RideParams() = default;

    int fieldOfView = 0;     // degrees, vertical
    int letterbox = 0;       // 0: the picture fills the window
    int sphereDetail = 0;    // slices and stacks of the car sphere
    int showStars = 0;
    int clearEveryFrame = 0;
    int lightingOn = 0;
    int sphereTextureOn = 0;
    int polygonMode = 0;     // 0 filled, 1 outlines, 2 points
    int freeCamera = 0;
    int showFrameRate = 0;
    int fogOn = 0;
    float eyeDistance = 0;   // scene units behind the car; also fog start
    float scaleFactor = 0;   // from "Scale": 0.6 to 3.4
    float speedFactor = 0;   // from "Fast": 0.6 to 2.2
    float fogRange = 0;      // fog end minus fog start, scene units
    float trailFactor = 0;   // strength of the per-frame fade, 1.0 or more leaves no trail

    // The fixed start-up values, with both factors 1.0.
    void setDefaults();
};

// The factor for a stored "Scale" level: 0 and 5 give 1.0, 1..4 shrink to 0.6, 6..11 grow by
// 0.4 to 3.4; anything outside 0..11 gives 1.0.
float scaleFactorForLevel(int level);

// The factor for a stored "Fast" level: as for "Scale", but growing by 0.2 to 2.2.
float speedFactorForLevel(int level);
