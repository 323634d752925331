#include "engine/scene/sphere_model.h"

#include "engine/scene/textured_sphere.h"

#include <GL/gl.h>

void SphereModel::build(double radius, int slices, int stacks)
{
    release();
    displayList = static_cast<int>(glGenLists(1));
    glNewList(static_cast<GLuint>(displayList), GL_COMPILE);
    drawTexturedSphere(radius, slices, stacks, 1.0, 1.0, 0.0, 0.0);
    glEndList();
}

void SphereModel::draw() const
{
    if (displayList >= 0)
        glCallList(static_cast<GLuint>(displayList));
}

void SphereModel::release()
{
    if (displayList >= 0)
        glDeleteLists(static_cast<GLuint>(displayList), 1);
    displayList = -1;
}
