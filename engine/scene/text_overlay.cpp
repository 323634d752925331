#include "engine/scene/text_overlay.h"

#include "engine/scene/resting_state.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstring>

TextOverlay::TextOverlay()
{
    resetStyle();
}

void TextOverlay::resetStyle()
{
    lineY = 25;
    remember = 1;
    colour[0] = colour[1] = colour[2] = colour[3] = 1.0f;
    alphaRef = 0.1f;
    alphaTest = 1;
    blend = 1;
    slant = 3.0f;
}

GlyphCell glyphCell(unsigned char character)
{
    const int code = (character - 32) & 0xff;
    const int column = code % 16;
    const int band = code / 16;
    GlyphCell cell;
    cell.s0 = column * 0.0625f + 0.01f;
    cell.s1 = cell.s0 + 0.0625f;
    cell.t0 = 0.875f - band * 0.125f - 0.01f;
    cell.t1 = cell.t0 + 0.125f;
    return cell;
}

std::int16_t nextPenX(std::int16_t penX, float size)
{
    return static_cast<std::int16_t>(static_cast<int>(penX + size * 0.45f));
}

void TextOverlay::drawText(const char* text, std::int16_t x, std::int16_t y, float size)
{
    const auto baseY = static_cast<std::int16_t>(viewportHeight - y);
    const float bottom = baseY;
    const float top = bottom + size;

    glColor4fv(colour);
    glEnable(GL_TEXTURE_2D);
    if (alphaTest) {
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, alphaRef);
    }
    if (blend) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    glDepthMask(GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPushMatrix();

    std::int16_t penX = x;
    for (const char* at = text; *at; ++at) {
        const GlyphCell cell = glyphCell(static_cast<unsigned char>(*at));
        const float left = penX;
        glBegin(GL_QUADS);
        glTexCoord2f(cell.s0, cell.t0);
        glVertex2f(left, bottom);
        glTexCoord2f(cell.s1, cell.t0);
        glVertex2f(left + size / 2, bottom);
        glTexCoord2f(cell.s1, cell.t1);
        glVertex2f(left + slant + size / 2, top);
        glTexCoord2f(cell.s0, cell.t1);
        glVertex2f(left + slant, top);
        glEnd();
        penX = nextPenX(penX, size);
    }

    glPopMatrix();
    glPopAttrib();
    if (alphaTest)
        restoreRestingAlphaTest();
    if (blend)
        restoreRestingBlend();
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);

    if (remember) {
        messageX = x;
        messageY = y;
        if (text != messageText)
            copyMessage(text);
    }
}

void TextOverlay::copyMessage(const char* text)
{
    std::strncpy(messageText, text, messageCapacity - 1);
    messageText[messageCapacity - 1] = '\0';
}

void TextOverlay::postMessage(const char* text, double rideTime)
{
    copyMessage(text);
    messageExpiry = rideTime + 3.0;
}

void TextOverlay::drawMessage(double rideTime)
{
    if (rideTime < messageExpiry)
        drawText(messageText, static_cast<std::int16_t>(messageX), static_cast<std::int16_t>(messageY), 20);
    else
        messageExpiry = 0;
}

void TextOverlay::drawFrameRate(int frames)
{
    remember = 0;
    char line[messageCapacity];
    std::snprintf(line, sizeof line, "%3d Frame/Sec", frames);
    drawText(line, static_cast<std::int16_t>(viewportWidth - 120), static_cast<std::int16_t>(lineY), 20);
    remember = 1;
}

void TextOverlay::drawGlError(double rideTime)
{
    remember = 0;
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) {
        remember = 1;
        return;
    }
    const char* description = reinterpret_cast<const char*>(gluErrorString(error));
    char shortDescription[errorTextCapacity];
    std::snprintf(shortDescription, sizeof shortDescription, "%s", description ? description : "");
    char line[messageCapacity];
    std::snprintf(line, sizeof line, "OpenGL Error: %s", shortDescription);
    drawText(line, static_cast<std::int16_t>(static_cast<int>(viewportWidth * 0.4)),
             static_cast<std::int16_t>(lineY), 20);
    remember = 1;
    messageExpiry = rideTime + 3.0;
}
