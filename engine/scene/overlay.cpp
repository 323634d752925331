#include "engine/scene/overlay.h"

#include <GL/gl.h>

namespace {

// A window not yet given a size would make a degenerate projection; one pixel keeps it valid.
int atLeastOne(int value)
{
    return value > 0 ? value : 1;
}

}

void setOverlayProjection(int width, int height)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, atLeastOne(width), 0, atLeastOne(height), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawFadeQuad(float alpha, int pixelWidth, int pixelHeight)
{
    const float width = static_cast<float>(pixelWidth);
    const float height = static_cast<float>(pixelHeight);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    glColor4f(0, 0, 0, alpha);
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushMatrix();
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(width, 0);
    glVertex2f(width, height);
    glVertex2f(0, height);
    glEnd();
    glPopMatrix();
    glPopAttrib();
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}
