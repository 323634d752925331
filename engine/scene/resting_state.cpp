#include "engine/scene/resting_state.h"

#include <GL/gl.h>

void restoreRestingAlphaTest()
{
    glDisable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
}

void restoreRestingBlend()
{
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
