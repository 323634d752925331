#include "engine/track.h"

#include "engine/scene/resting_state.h"

#include <GL/gl.h>

void Track::draw(float widthScale, float brightness) const
{
    glColor3f(brightness, brightness, brightness);
    glAlphaFunc(GL_GREATER, 0.05f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));

    static constexpr float textureCorners[4][2] = {{0, 0.2f}, {1, 0.2f}, {1, 0.8f}, {0, 0.8f}};
    float corners[4][3];
    // One batch: a begin/end pair per quad costs the driver a draw call each.
    glBegin(GL_QUADS);
    for (int i = 0; i < pointCount; i += 2) {
        ribbonCorners(i, widthScale, corners);
        for (int c = 0; c < 4; ++c) {
            glTexCoord2fv(textureCorners[c]);
            glVertex3fv(corners[c]);
        }
    }
    glEnd();

    restoreRestingAlphaTest();
    restoreRestingBlend();
    glDisable(GL_TEXTURE_2D);
}
