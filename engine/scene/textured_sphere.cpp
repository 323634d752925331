#include "engine/scene/textured_sphere.h"

#include <GL/gl.h>
#include <cmath>

SphereVertex sphereVertex(double radius, double theta, double phi, double s, double t)
{
    SphereVertex vertex;
    vertex.normal[0] = std::sin(theta) * std::sin(phi);
    vertex.normal[1] = std::cos(theta);
    vertex.normal[2] = std::sin(theta) * std::cos(phi);
    vertex.texture[0] = s;
    vertex.texture[1] = t;
    for (int k = 0; k < 3; ++k)
        vertex.position[k] = radius * vertex.normal[k];
    return vertex;
}

void drawTexturedSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                        double tOffset)
{
    bool open = false;
    forEachSphereStrip(
        radius, slices, stacks, sScale, tScale, sOffset, tOffset,
        [&] {
            if (open)
                glEnd();
            glBegin(GL_TRIANGLE_STRIP);
            open = true;
        },
        [](const SphereVertex& vertex) {
            glNormal3dv(vertex.normal);
            glTexCoord2dv(vertex.texture);
            glVertex3dv(vertex.position);
        });
    if (open)
        glEnd();
}
