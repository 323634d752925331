#pragma once

// The two computed 128 × 128 textures. Row 0 is the first row in memory (t near 0).
enum PatternKind {
    SpotPattern = 0, // soft round spot: 255 at the centre, 0 from radius 64 on
    TentPattern = 6, // pyramid: 255 at the centre, 0 along row 0 and column 0
};

inline constexpr int patternSize = 128;

// The value (0..255) stored in all four channels of texel (row, column), 0..127 each.
int patternValue(PatternKind kind, int row, int column);

// Fills 128 × 128 × 4 bytes with the pattern.
void makePatternTexels(PatternKind kind, unsigned char* texels);

// Makes the pattern into a new texture (mipmapped: nearest-mipmap-nearest) and returns its
// name; leaves it bound. Needs a current GL context.
unsigned int MakePatternTexture(PatternKind kind, bool mipmapped);
