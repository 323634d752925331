#include "engine/camera.h"
#include "engine/ride_settings.h"
#include "engine/scene/light.h"
#include "engine/scene/overlay.h"
#include "engine/scene/particle_field.h"
#include "engine/scene/sphere_model.h"
#include "engine/scene/star_field.h"
#include "engine/random.h"
#include "tests/support/gl_drawing_test.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

namespace {

class SceneDrawingTest : public GlDrawingTest {
protected:
    static void lookFromAbove()
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, -3, 3);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    static int litPixels()
    {
        int lit = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                lit += readBackPixel(x, y).red > 0;
        return lit;
    }

};

TEST_F(SceneDrawingTest, StarsLieInTheUpperHalfEvenAfterTheTurn)
{
    seedRandom(9);
    StarField stars;
    stars.build(500, 1.5f, 0, StarField::UpperBallShell);
    lookFromAbove();
    stars.draw();
    int above = 0, below = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (readBackPixel(x, y).red > 0)
                // A 2-pixel point on the y = 0 plane may spill one row below the middle.
                (y >= height / 2 - 1 ? above : below)++;
        }
    }
    EXPECT_GT(above, 500);
    EXPECT_EQ(below, 0);
    GLfloat pointSize = 0;
    glGetFloatv(GL_POINT_SIZE, &pointSize);
    EXPECT_EQ(pointSize, 1.0f);
    stars.release();
    EXPECT_EQ(stars.displayList, -1);
    expectRestingGlState();
}

TEST_F(SceneDrawingTest, SecondStarPassIsTurnedByOneHundredTwentyDegreesWithBiggerPoints)
{
    // One star at (1, 0, 0), seen from above: +x to the right, -z up the screen.
    StarField stars;
    stars.displayList = static_cast<int>(glGenLists(1));
    glNewList(static_cast<GLuint>(stars.displayList), GL_COMPILE);
    glBegin(GL_POINTS);
    glVertex3f(1, 0, 0);
    glEnd();
    glEndList();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -3, 3);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90, 1, 0, 0);
    stars.draw();
    const auto litAround = [](int cx, int cy) {
        int lit = 0;
        for (int y = cy - 3; y <= cy + 3; ++y)
            for (int x = cx - 3; x <= cx + 3; ++x)
                lit += readBackPixel(x, y).red > 0;
        return lit;
    };
    // First pass: one pixel at x = 1. Second: turned to (-0.5, 0, -0.866), two pixels wide.
    EXPECT_EQ(litAround(240, 120), 1);
    EXPECT_EQ(litAround(120, 172), 4);
    EXPECT_EQ(litAround(120, 68), 0) << "turned the other way";
    EXPECT_EQ(litPixels(), 5);
    stars.release();
    expectRestingGlState();
}

TEST_F(SceneDrawingTest, EmptyStarFieldShowsNothing)
{
    StarField stars;
    stars.build(0, 1.5f, 0, StarField::UpperBallShell);
    EXPECT_GE(stars.displayList, 0);
    lookFromAbove();
    stars.draw();
    EXPECT_EQ(litPixels(), 0);
    stars.release();
    expectRestingGlState();
}

TEST_F(SceneDrawingTest, RideParticlesFaceTheViewAndAddUp)
{
    auto field = std::make_unique<ParticleField>();
    configureRideParticles(*field, 0);
    field->startSize = 0.1f;
    ParticleField::emitCursor = 0;
    field->emit(0, 0, 0, 0, 1.0f);
    field->emit(0, 0, 0, 0, 1.0f);
    lookFromAbove();
    glRotatef(90, 1, 0, 0); // looking down: the sprites must still face the viewer
    Camera camera;
    const auto quads = quadCorners(capturePolygons([&] { field->draw(2.0f, 1.0f, camera, 0); }));
    ASSERT_EQ(quads.size(), 2u);
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (const FeedbackVertex& corner : quads[0]) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    // Side 2 × size × scale = 0.4 of a 4-unit view, 320 × 240 pixels.
    EXPECT_NEAR(maxX - minX, 0.4f / 4 * width, 0.5f);
    EXPECT_NEAR(maxY - minY, 0.4f / 4 * height, 0.5f);

    // Two motes on the same place add up (0.25 each) instead of covering each other (0.375).
    field->draw(2.0f, 0.5f, camera, 0);
    EXPECT_NEAR(readBackPixel(width / 2, height / 2).red, 128, 3);
    expectRestingGlState();
}

TEST_F(SceneDrawingTest, FieldWithoutTextureDrawsPlainQuads)
{
    auto field = std::make_unique<ParticleField>();
    field->emitInterval = 0;
    field->startSize = 0.2f;
    field->depthTest = 1;
    ASSERT_EQ(field->texture, -1);
    ParticleField::emitCursor = 0;
    field->emit(0, 0, 0, 0, 1.0f);
    field->particles[0].lifetime = -1;
    lookFromAbove();
    Camera camera;
    field->draw(1.0f, 1.0f, camera, 0);
    EXPECT_GT(readBackPixel(width / 2, height / 2).red, 200);
    expectRestingGlState();
}

TEST_F(SceneDrawingTest, LightSitsInEyeSpaceAndScalesWithBrightness)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(73, 0, 1, 0);
    glTranslatef(4, 5, 6);
    setupLight(0, 1, 0.8f, 0, 0.5f, 0.75f, 0.99f, 0.99f, 0.5f);
    GLfloat position[4], ambient[4], diffuse[4], specular[4], model[4], material[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, model);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, material);
    EXPECT_NEAR(position[0], 1.0f, 1e-5f);
    EXPECT_NEAR(position[1], 0.8f, 1e-5f);
    EXPECT_NEAR(position[2], 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(ambient[0], 0.25f);
    EXPECT_FLOAT_EQ(diffuse[1], 0.375f);
    EXPECT_FLOAT_EQ(specular[2], 0.495f);
    EXPECT_FLOAT_EQ(model[0], 0.25f);
    EXPECT_FLOAT_EQ(material[0], 0.495f);
    EXPECT_FLOAT_EQ(ambient[3], 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_NEAR(matrix[12], 4 * std::cos(73 * 3.14159265 / 180) + 6 * std::sin(73 * 3.14159265 / 180), 1e-4);
    glDisable(GL_LIGHT0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(SceneDrawingTest, CompiledSphereShowsItsOutsideWithBackFacesCulled)
{
    lookFromAbove();
    glEnable(GL_CULL_FACE);
    SphereModel sphere;
    sphere.build(1.0, 40, 40);
    const auto triangles = capturePolygons([&] { sphere.draw(); });
    glDisable(GL_CULL_FACE);
    // Roughly the half that faces the viewer survives culling.
    EXPECT_GT(triangles.size(), 39u * 80 * 0.4);
    EXPECT_LT(triangles.size(), 39u * 80 * 0.6);
    sphere.release();
    EXPECT_TRUE(capturePolygons([&] { sphere.draw(); }).empty());
}

}
