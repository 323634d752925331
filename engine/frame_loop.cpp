#include "engine/frame_loop.h"

#include "engine/engine_clock.h"
#include "engine/engine_state.h"
#include "engine/new_track_timer.h"
#include "engine/random.h"
#include "engine/ride_settings.h"
#include "engine/ride_view.h"
#include "engine/scene/light.h"
#include "engine/scene/overlay.h"
#include "engine/scene/picture_texture.h"
#include "files/work_folder.h"

#include <GL/gl.h>
#include <cmath>

namespace {

constexpr float fadeInSeconds = 2.0f;
constexpr float titleSeconds = 10.0f;

NewTrackTimer newTrackTimer;

void drawTexts()
{
    textOverlay.drawMessage(rideTime);
    if (rideParams.showFrameRate)
        textOverlay.drawFrameRate(framesPerSecond);
    textOverlay.drawGlError(rideTime);

    if (rideTime < titleSeconds) {
        const TitlePosition title = titlePosition(rideTime, windowWidth, windowHeight);
        textOverlay.remember = 0;
        textOverlay.drawText("Tavrolin_VC", title.x, title.y, 60);
        textOverlay.remember = 1;
    }
}

}

bool initEngine()
{
    nowMs = EngineMilliseconds();
    lightPhase = frand(360.0);
    loadRideSettings();

    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 50);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0);

    glFogi(GL_FOG_MODE, GL_LINEAR);
    const GLfloat fogColour[4] = {0, 0, 0, 1};
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_START, 0.1f);
    glFogf(GL_FOG_END, 10.0f);
    glFogf(GL_FOG_DENSITY, 0.1f);
    glHint(GL_FOG_HINT, GL_NICEST);

    const unsigned int fontTexture =
        LoadPictureTexture(workFilePath(CharacterSheetFileName).c_str(), 128, -1, 0, false);
    textureTable.append(fontTexture);
    textOverlay.fontTexture = fontTexture;

    setupResources();
    return true;
}

void tickClock()
{
    rideTime = nowMs * 0.001;
    // The step comes from the counter itself: any difference of large times in seconds rounds.
    const std::int64_t stepMs = nowMs - previousNowMs;
    frameDelta = stepMs > 100 ? 0.05f : static_cast<float>(stepMs * 0.001);
    previousNowMs = nowMs;

    lightPhase += frameDelta;

    ++frameCount;
    if (rideTime >= nextSecond) {
        framesPerSecond = frameCount;
        frameCount = 0;
        nextSecond += 1.0;
    }
}

bool rideEnds(double time, double requestTime)
{
    return time >= fadeInSeconds && requestTime != 0;
}

void drawFadeIn(double time)
{
    if (time < fadeInSeconds)
        drawFadeQuad(static_cast<float>(1 - 0.5 * time), windowWidth, windowHeight);
}

TitlePosition titlePosition(double time, int width, int height)
{
    const int x = static_cast<int>(width * time * 0.125);
    const int y = static_cast<int>((0.1 * std::sin(2.5 * time) + 0.125 * time) * height);
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

bool frame()
{
    if (frand(1.0) < 0.01)
        seedRandom(static_cast<std::uint32_t>(nowMs));
    tickClock();

    if (!rideParams.clearEveryFrame && rideParams.trailFactor < 1.0f) {
        setOverlayProjection(windowWidth, windowHeight);
        keptFrame.fadeBack(rideParams.trailFactor * frameDelta * 40, windowWidth, windowHeight);
    }
    glClear(GL_DEPTH_BUFFER_BIT);
    if (rideParams.clearEveryFrame)
        glClear(GL_COLOR_BUFFER_BIT);

    setupProjection();
    updateRideAndView();
    updateWorld();

    setOverlayProjection(windowWidth, windowHeight);
    drawTexts();

    drawFadeIn(rideTime);
    if (rideEnds(rideTime, exitRequestTime))
        return false;
    keptFrame.keep();
    return true;
}

void updateWorld()
{
    if (newTrackTimer.due(rideTime)) {
        track.generate(0.5f, 0.1f, 0.25f);
        char message[TextOverlay::messageCapacity];
        formatTrackMessage(track, message, sizeof message);
        textOverlay.postMessage(message, rideTime);
    }
    if (rideParams.showStars)
        starField.draw();
    drawScene();
    textOverlay.resetStyle();
}

void drawScene()
{
    if (!particleField.seeded) {
        particleField.seeded = 1;
        for (int i = 0; i < ParticleField::poolSize; ++i) {
            const float z = static_cast<float>(frand(2.0f) - 1.0f);
            const float y = static_cast<float>(std::fabs(frand(0.48f) - 0.8f));
            const float x = static_cast<float>(frand(1.6f) - 0.8f);
            particleField.emit(x, y, z, rideTime, rideParams.speedFactor);
        }
    }
    if (rideParams.fogOn)
        glEnable(GL_FOG);
    particleField.draw(rideParams.scaleFactor, sceneBrightness, camera, rideTime);

    if (rideParams.lightingOn) {
        const double angle = 0.2 * lightPhase;
        setupLight(0, static_cast<float>(std::cos(angle)), 0.8f, static_cast<float>(std::sin(angle)), 0.5f, 0.75f,
                   0.99f, 0.99f, sceneBrightness);
        glEnable(GL_LIGHTING);
    }
    glEnable(GL_DEPTH_TEST);
    track.draw(1.0f, sceneBrightness);
    glEnable(GL_CULL_FACE);
    if (rideParams.sphereTextureOn) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, sphereTexture);
    }
    glColor3f(0.5f, 0.5f, sceneBrightness);
    glPushMatrix();
    glTranslatef(track.carPosition[0], track.carPosition[1], track.carPosition[2]);
    glRotatef(90, 1, 0, 0);
    sphereModel.draw();
    glPopMatrix();

    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    if (rideParams.sphereTextureOn)
        glDisable(GL_TEXTURE_2D);
    if (rideParams.lightingOn)
        glDisable(GL_LIGHTING);
    if (rideParams.fogOn)
        glDisable(GL_FOG);

    particleField.update(rideTime, rideParams);
}

void releaseResources()
{
    starField.release();
    sphereModel.release();
    textureTable.release();
    keptFrame.release();
}
