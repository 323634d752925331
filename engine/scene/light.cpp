#include "engine/scene/light.h"

#include <GL/gl.h>

void setupLight(int lightIndex, float x, float y, float z, float ambient, float diffuse, float specular,
                float materialSpecular, float brightness)
{
    static constexpr GLenum lights[8] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3,
                                         GL_LIGHT4, GL_LIGHT5, GL_LIGHT6, GL_LIGHT7};
    if (lightIndex < 0 || lightIndex > 7)
        return;
    const GLenum light = lights[lightIndex];
    const float a = ambient * brightness;
    const float d = diffuse * brightness;
    const float s = specular * brightness;
    const float m = materialSpecular * brightness;
    const GLfloat ambientColour[4] = {a, a, a, 1};
    const GLfloat diffuseColour[4] = {d, d, d, 1};
    const GLfloat specularColour[4] = {s, s, s, 1};
    const GLfloat materialColour[4] = {m, m, m, 1};

    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambientColour);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, materialColour);
    glLightfv(light, GL_AMBIENT, ambientColour);
    glLightfv(light, GL_DIFFUSE, diffuseColour);
    glLightfv(light, GL_SPECULAR, specularColour);
    glLightf(light, GL_SPOT_EXPONENT, 1.0f);
    glLightf(light, GL_SPOT_CUTOFF, 180.0f);

    const GLfloat origin[4] = {0, 0, 0, 1};
    const GLfloat noDirection[3] = {0, 0, 0};
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    glLightfv(light, GL_POSITION, origin);
    glLightfv(light, GL_SPOT_DIRECTION, noDirection);
    glPopMatrix();
    glEnable(light);
}
