#include "engine/scene/kept_frame.h"

#include "engine/scene/overlay.h"

#include <GL/gl.h>
#include <cstdlib>
#include <cstring>

namespace {

bool powerOfTwoOnly()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (version && std::atoi(version) >= 2)
        return false;
    return !(extensions && std::strstr(extensions, "GL_ARB_texture_non_power_of_two"));
}

int textureSide(int pixels, bool powerOfTwo)
{
    if (!powerOfTwo)
        return pixels;
    int side = 1;
    while (side < pixels)
        side *= 2;
    return side;
}

}

void KeptFrame::fadeBack(float alpha, int width, int height)
{
    m_copying = !m_backBufferKept;
    m_pending = m_copying;
    if (!m_copying) {
        m_holdsFrame = false;
        drawFadeQuad(alpha, width, height);
        return;
    }
    if (!m_holdsFrame || width != m_width || height != m_height) {
        m_holdsFrame = false;
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    // Laying the copy back dimmed does the fade in the same pass, with no blending.
    const float keep = alpha >= 1 ? 0 : 1 - alpha;
    const float right = static_cast<float>(width) / m_textureWidth;
    const float top = static_cast<float>(height) / m_textureHeight;
    glDepthMask(GL_FALSE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(keep, keep, keep, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(right, 0);
    glVertex2f(static_cast<float>(width), 0);
    glTexCoord2f(right, top);
    glVertex2f(static_cast<float>(width), static_cast<float>(height));
    glTexCoord2f(0, top);
    glVertex2f(0, static_cast<float>(height));
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
}

void KeptFrame::keep()
{
    if (!m_pending)
        return;
    m_pending = false;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2];
    const int height = viewport[3];
    if (width <= 0 || height <= 0)
        return;
    if (m_texture == 0)
        glGenTextures(1, &m_texture);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    const bool powerOfTwo = powerOfTwoOnly();
    if (textureSide(width, powerOfTwo) != m_textureWidth || textureSide(height, powerOfTwo) != m_textureHeight) {
        m_textureWidth = textureSide(width, powerOfTwo);
        m_textureHeight = textureSide(height, powerOfTwo);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, m_textureWidth, m_textureHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     nullptr);
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
    glBindTexture(GL_TEXTURE_2D, 0);
    m_width = width;
    m_height = height;
    m_holdsFrame = true;
}

void KeptFrame::release()
{
    if (m_texture != 0)
        glDeleteTextures(1, &m_texture);
    m_texture = 0;
    m_textureWidth = 0;
    m_textureHeight = 0;
    m_holdsFrame = false;
}
