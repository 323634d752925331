#pragma once

#include <cstdint>

// Strings drawn in window pixels with the 128 × 128 character sheet: 16 columns × 8 bands of
// 8 × 16 texel cells for the bytes 32..159, band 0 at the top (t = 1). Glyphs are half as wide
// as tall and lean right by `slant` pixels. Positions: x from the left edge, y from the top.
class TextOverlay {
public:
    static constexpr int messageCapacity = 80;  // bytes, terminator included
    static constexpr int errorTextCapacity = 60; // bytes of an error description, terminator included

    TextOverlay();
    virtual ~TextOverlay() = default;

    int viewportWidth = 0;    // pixels of the drawable the text goes on
    int viewportHeight = 0;
    int lineY = 0;            // pixels from the top: frame-rate and error lines
    int messageX = 0;         // remembered message position, pixels
    int messageY = 0;
    int remember = 0;         // drawText records its text and position
    int alphaTest = 0;
    int blend = 0;
    double messageExpiry = 0; // ride time (s) until which the message shows; 0: none
    float colour[4] = {0, 0, 0, 0};
    float alphaRef = 0;
    float slant = 0;          // pixels
    char messageText[messageCapacity] = {};
    unsigned int fontTexture = 0;

    void resetStyle();

    // Submits one quad per byte up to the terminator. size is the glyph height in pixels.
    // Restores what it switched on; leaves the current colour and texture binding changed.
    void drawText(const char* text, std::int16_t x, std::int16_t y, float size);

    // Makes text the message, due for 3 seconds from rideTime. A longer text is cut to 79 bytes.
    void postMessage(const char* text, double rideTime);

    // Draws the due message at its remembered place, or clears an expired one.
    void drawMessage(double rideTime);

    // "%3d Frame/Sec", 120 pixels left of the right edge.
    void drawFrameRate(int frames);

    // Reads one pending GL error; if there is one, draws "OpenGL Error: <description>" and
    // shows the message line again for 3 seconds.
    void drawGlError(double rideTime);

private:
    void copyMessage(const char* text);
};

// Where one glyph samples the sheet: s0..s1 across, t0..t1 upwards.
struct GlyphCell {
    float s0, s1, t0, t1;
};
GlyphCell glyphCell(unsigned char character);

// The pen's next x after one glyph of this size, truncated to 16 bits as the text is laid out.
std::int16_t nextPenX(std::int16_t penX, float size);
