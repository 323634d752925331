#include "engine/engine_state.h"
#include "engine/frame_loop.h"
#include "engine/random.h"
#include "engine/ride_settings.h"
#include "engine/ride_view.h"
#include "engine/scene/overlay.h"
#include "engine/scene/pattern_texture.h"
#include "engine/scene/picture_texture.h"
#include "files/profile.h"
#include "files/work_folder.h"
#include "tests/support/gl_drawing_test.h"
#include "tests/support/temporary_folder.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class EngineDrawingTest : public GlDrawingTest {
protected:
    static bool enabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }
};

TEST_F(EngineDrawingTest, RibbonIsOneQuadPerTwoPointsAndRestoresState)
{
    seedRandom(11);
    track.generate(0.5f, 0.1f, 0.25f);
    // Look at the whole track from above so no quad is clipped away.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1.1, 1.1, -1.1, 1.1, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);
    const auto quads = quadCorners(capturePolygons([] { track.draw(1.0f, 1.0f); }));
    ASSERT_EQ(quads.size(), 360u);
    for (const auto& quad : quads)
        ASSERT_EQ(quad.size(), 4u);
    expectRestingGlState();
}

TEST_F(EngineDrawingTest, RibbonDiscardsFragmentsAtOrBelowFivePercentAlpha)
{
    // One straight quad along z, seen from above so its 0.002 width fills the window.
    const Track saved = track;
    track.pointCount = 4;
    track.points[0] = {0, 0, -1, 0};
    track.points[2] = {0, 0, 1, 0};
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.001, 0.001, -0.5, 0.5, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);
    GLuint name = 0;
    glGenTextures(1, &name);
    track.texture = static_cast<int>(name);
    // Alpha 12/255 = 0.047 lies just under the reference, 14/255 = 0.055 just over.
    const auto redAfterRibbonWithAlpha = [&](unsigned char alpha) {
        const unsigned char texel[4] = {255, 255, 255, alpha};
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
        glClear(GL_COLOR_BUFFER_BIT);
        track.draw(1.0f, 1.0f);
        return readBackPixel(width / 2, height / 2).red;
    };
    EXPECT_EQ(redAfterRibbonWithAlpha(12), 0);
    EXPECT_GT(redAfterRibbonWithAlpha(14), 0);
    expectRestingGlState();
    glDeleteTextures(1, &name);
    track = saved;
}

TEST_F(EngineDrawingTest, GlyphsAreSlantedHalfWidthQuadsFromTheTopEdge)
{
    TextOverlay overlay;
    overlay.viewportWidth = width;
    overlay.viewportHeight = height;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    const auto quads = quadCorners(capturePolygons([&] { overlay.drawText("AB", 10, 20, 20); }));
    ASSERT_EQ(quads.size(), 2u);
    const auto has = [](const std::vector<FeedbackVertex>& quad, float x, float y) {
        for (const FeedbackVertex& corner : quad)
            if (std::fabs(corner.x - x) < 0.01f && std::fabs(corner.y - y) < 0.01f)
                return true;
        return false;
    };
    ASSERT_EQ(quads[0].size(), 4u);
    EXPECT_TRUE(has(quads[0], 10, height - 20));
    EXPECT_TRUE(has(quads[0], 20, height - 20));
    EXPECT_TRUE(has(quads[0], 23, height));
    EXPECT_TRUE(has(quads[0], 13, height));
    EXPECT_TRUE(has(quads[1], 19, height - 20));
    EXPECT_TRUE(has(quads[1], 32, height));
    // The caller's polygon mode comes back.
    GLint modes[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_LINE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    EXPECT_STREQ(overlay.messageText, "AB");
    EXPECT_EQ(overlay.messageY, 20);
    expectRestingGlState();
}

TEST_F(EngineDrawingTest, FadeQuadDarkensByOneMinusAlpha)
{
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    drawFadeQuad(0.25f, width, height);
    EXPECT_NEAR(readBackPixel(5, 5).red, 191, 2);
    EXPECT_NEAR(readBackPixel(width - 1, height - 1).green, 191, 2);
    drawFadeQuad(1.5f, width, height);
    EXPECT_EQ(readBackPixel(width / 2, height / 2).blue, 0);
    expectRestingGlState();
}

TEST_F(EngineDrawingTest, FadeInDarkensByOneMinusHalfTheRideTime)
{
    const auto redAfterFadeInAt = [](double rideTime) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        drawFadeIn(rideTime);
        return readBackPixel(width / 3, height / 3).red;
    };
    EXPECT_EQ(redAfterFadeInAt(0.0), 0);
    EXPECT_NEAR(redAfterFadeInAt(0.5), 0.25 * 255, 2);
    EXPECT_NEAR(redAfterFadeInAt(1.5), 0.75 * 255, 2);
    EXPECT_EQ(redAfterFadeInAt(2.0), 255);
    expectRestingGlState();
}

TEST_F(EngineDrawingTest, ErrorLineRestartsTheMessage)
{
    TextOverlay overlay;
    overlay.postMessage("kept", 1.0f);
    overlay.drawGlError(50.0f);
    EXPECT_DOUBLE_EQ(overlay.messageExpiry, 4.0);
    glEnable(0x7fff); // provoke GL_INVALID_ENUM
    overlay.drawGlError(50.0f);
    EXPECT_DOUBLE_EQ(overlay.messageExpiry, 53.0);
    EXPECT_STREQ(overlay.messageText, "kept");
    EXPECT_EQ(overlay.remember, 1);
    expectRestingGlState();
}

TEST_F(EngineDrawingTest, MissingPictureGivesNameZeroWithoutGeneratingOne)
{
    GLuint before = 0, after = 0;
    glGenTextures(1, &before);
    EXPECT_EQ(LoadPictureTexture("/nonexistent/Tavrolin1.alo", 128, -1, 0, false), 0u);
    glGenTextures(1, &after);
    EXPECT_EQ(after, before + 1);
    glDeleteTextures(1, &before);
    glDeleteTextures(1, &after);
}

TEST_F(EngineDrawingTest, PictureTextureKeepsTopRowAndMipmapFilter)
{
    TemporaryFolder folder;
    std::string bytes(54, 'h');
    bytes += std::string(256 * 3, '\0');
    for (int i = 0; i < 256; ++i)
        bytes.replace(54 + i * 3, 3, std::string("\x00\x00\xff", 3)); // first stored row: red
    bytes += std::string(256 * 255 * 3, '\0');
    const auto file = folder.write("Tavrolin2.alo", bytes);
    const unsigned int name = LoadPictureTexture(file.c_str(), 256, 255, 0, true);
    ASSERT_NE(name, 0u);
    std::vector<unsigned char> texels(256 * 256 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[(255 * 256) * 4 + 0], 255);
    EXPECT_EQ(texels[0], 0);
    EXPECT_EQ(texels[3], 255);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_NEAREST);
    GLint smallestLevel = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 8, GL_TEXTURE_WIDTH, &smallestLevel);
    EXPECT_EQ(smallestLevel, 1);
    GLuint deleted = name;
    glDeleteTextures(1, &deleted);
}

TEST_F(EngineDrawingTest, ProjectionBeforeTheFirstReshapeStaysFinite)
{
    rideParams.setDefaults();
    camera.reset(100);
    windowWidth = 0;
    windowHeight = 0;
    setupProjection();
    GLfloat matrix[16];
    glGetFloatv(GL_PROJECTION_MATRIX, matrix);
    for (float value : matrix)
        EXPECT_TRUE(std::isfinite(value));
    GLfloat fogEnd = 0;
    glGetFloatv(GL_FOG_END, &fogEnd);
    EXPECT_FLOAT_EQ(fogEnd, 2.1f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EngineDrawingTest, ViewIsThePublishedPerspectiveThenPitchYawAndTheCarPlace)
{
    rideParams.setDefaults();
    rideParams.freeCamera = 1;
    paused = 1;
    camera.reset(100);
    windowWidth = width;
    windowHeight = height;
    setupProjection();
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    // 100 degrees vertical, aspect 4:3, near 0.0001, far 14.1.
    const float f = 1 / std::tan(50 * 3.14159265f / 180);
    EXPECT_NEAR(projection[5], f, 1e-5f);
    EXPECT_NEAR(projection[0], f * 3 / 4, 1e-5f);
    EXPECT_NEAR(projection[10], (14.1f + 0.0001f) / (0.0001f - 14.1f), 1e-6f);
    EXPECT_NEAR(projection[14], 2 * 14.1f * 0.0001f / (0.0001f - 14.1f), 1e-8f);

    camera.pitch = 30;
    camera.yaw = 60;
    camera.position[0] = 1;
    camera.position[1] = 2;
    camera.position[2] = 3;
    updateRideAndView();
    GLfloat view[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, view);
    // A world point moved to the camera, turned by the yaw about y, then by the pitch about x,
    // then set 0.1 in front of the eye.
    const double p[3] = {1.5 - 1, 2.5 - 2, 2.0 - 3};
    const double yaw = 60 * 3.14159265358979 / 180, pitch = 30 * 3.14159265358979 / 180;
    const double x1 = std::cos(yaw) * p[0] + std::sin(yaw) * p[2];
    const double z1 = -std::sin(yaw) * p[0] + std::cos(yaw) * p[2];
    const double y2 = std::cos(pitch) * p[1] - std::sin(pitch) * z1;
    const double z2 = std::sin(pitch) * p[1] + std::cos(pitch) * z1 - 0.1;
    const double world[4] = {1.5, 2.5, 2.0, 1};
    double eye[3] = {};
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 4; ++k)
            eye[row] += view[k * 4 + row] * world[k];
    EXPECT_NEAR(eye[0], x1, 1e-5);
    EXPECT_NEAR(eye[1], y2, 1e-5);
    EXPECT_NEAR(eye[2], z2, 1e-5);
    paused = 0;
    rideParams.setDefaults();
}

TEST_F(EngineDrawingTest, RideStartsFromItsFilesAndShowsTheRibbon)
{
    TemporaryHome home;
    ASSERT_TRUE(MakeWorkFolder());
    WritePrivateProfileStringA("Section", "Scale", "11", WorkFolderPath() / "Tavrolin.ini");
    // Levels whose factors differ between the two tables, so a swapped table shows.
    WritePrivateProfileStringA("Section", "Fast", "8", WorkFolderPath() / "Tavrolin.ini");
    windowWidth = width;
    windowHeight = height;
    textureTable.count = 0;
    ASSERT_TRUE(initEngine());
    EXPECT_FLOAT_EQ(rideParams.scaleFactor, 3.4f);
    EXPECT_FLOAT_EQ(rideParams.speedFactor, 1.6f);
    // A work folder others can write could hold anyone's settings: the ride keeps to its defaults.
    chmod(WorkFolderPath().c_str(), 0777);
    loadRideSettings();
    EXPECT_FLOAT_EQ(rideParams.scaleFactor, 1.0f);
    EXPECT_FLOAT_EQ(rideParams.speedFactor, 1.0f);
    chmod(WorkFolderPath().c_str(), 0700);
    loadRideSettings();
    EXPECT_FLOAT_EQ(rideParams.scaleFactor, 3.4f);
    // Font and sphere pictures are missing: their places hold 0, the patterns are real.
    ASSERT_EQ(textureTable.count, 4);
    EXPECT_EQ(textureTable.names[0], 0u);
    EXPECT_NE(textureTable.names[1], 0u);
    EXPECT_EQ(textureTable.names[1], trackTexture);
    EXPECT_NE(textureTable.names[2], 0u);
    EXPECT_EQ(textureTable.names[3], 0u);
    EXPECT_STRNE(textOverlay.messageText, "");

    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (nowMs = 0; nowMs <= 3000; nowMs += 20)
        frame();
    int bright = 0;
    for (int y = 0; y < height; y += 2)
        for (int x = 0; x < width; x += 2)
            bright += readBackPixel(x, y).red > 64;
    EXPECT_GT(bright, 0);
    expectRestingGlState();
    EXPECT_FALSE(enabled(GL_DEPTH_TEST));
    EXPECT_FALSE(enabled(GL_FOG));
    EXPECT_FALSE(enabled(GL_CULL_FACE));

    // Levels the shell passes for one ride win over the file's.
    rideChoice.scaleLevel = 1;
    rideChoice.speedLevel = 11;
    loadRideSettings();
    rideChoice = {};
    EXPECT_FLOAT_EQ(rideParams.scaleFactor, 0.6f);
    EXPECT_FLOAT_EQ(rideParams.speedFactor, 2.2f);
    releaseResources();
    EXPECT_EQ(textureTable.count, 0);
}

}
