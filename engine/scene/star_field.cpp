#include "engine/scene/star_field.h"

#include "engine/random.h"

#include <GL/gl.h>
#include <cmath>

namespace {

bool insideRegion(const double (&p)[3], float radius, float innerRadius, int shape)
{
    if (shape == StarField::CubeShell) {
        const double bound = innerRadius + 0.01f;
        return std::fabs(p[0]) >= bound || std::fabs(p[1]) >= bound || std::fabs(p[2]) >= bound;
    }
    const double distance = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    if (distance < innerRadius || distance > radius)
        return false;
    return shape != StarField::UpperBallShell || p[1] >= 0;
}

}

bool StarField::regionHasPoints(float radius, float innerRadius, int shape)
{
    if (!(radius > 0))
        return false;
    if (shape == CubeShell)
        return innerRadius + 0.01f <= radius;
    return innerRadius <= radius;
}

bool StarField::chooseStar(float radius, float innerRadius, int shape, Star& star)
{
    if (!regionHasPoints(radius, innerRadius, shape))
        return false;
    const double width = 2.0 * radius;
    do {
        for (double& coordinate : star.position)
            coordinate = frand(width) - radius;
    } while (!insideRegion(star.position, radius, innerRadius, shape));

    const bool wide = frand(1.0) < 0.1;
    for (int channel = 2; channel >= 0; --channel)
        star.colour[channel] = static_cast<float>(wide ? (frand(0.5) + 0.3) * 0.8 : (frand(0.3) + 0.5) * 0.8);
    return true;
}

void StarField::build(int count, float radius, float innerRadius, int shape)
{
    release();
    displayList = static_cast<int>(glGenLists(1));
    glNewList(static_cast<GLuint>(displayList), GL_COMPILE);
    glBegin(GL_POINTS);
    Star star;
    for (int i = 0; i < count && chooseStar(radius, innerRadius, shape, star); ++i) {
        glColor3fv(star.colour);
        glVertex3dv(star.position);
    }
    glEnd();
    glEndList();
}

void StarField::draw() const
{
    if (displayList < 0)
        return;
    glColor3f(1, 1, 1);
    glDepthMask(GL_FALSE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    glPointSize(1);
    glCallList(static_cast<GLuint>(displayList));
    glRotatef(120, 0, 1, 0);
    glPointSize(2);
    glCallList(static_cast<GLuint>(displayList));
    glPopMatrix();
    glPointSize(1);
    glDepthMask(GL_TRUE);
}

void StarField::release()
{
    if (displayList >= 0)
        glDeleteLists(static_cast<GLuint>(displayList), 1);
    displayList = -1;
}
