#include "engine/scene/pattern_texture.h"

#include "engine/scene/texture_upload.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

int patternValue(PatternKind kind, int row, int column)
{
    if (kind == TentPattern) {
        const double p = ((64.0 - std::abs(row - 64)) / 64.0) * ((64.0 - std::abs(column - 64)) / 64.0);
        return static_cast<int>(255.0 * std::clamp(p, 0.0, 1.0));
    }
    const double d = std::min(std::sqrt(double((column - 64) * (column - 64) + (row - 64) * (row - 64))) / 64.0, 1.0);
    return static_cast<int>(255.0 * (1.0 - d * d));
}

void makePatternTexels(PatternKind kind, unsigned char* texels)
{
    for (int row = 0; row < patternSize; ++row) {
        for (int column = 0; column < patternSize; ++column) {
            const auto value = static_cast<unsigned char>(patternValue(kind, row, column));
            unsigned char* texel = texels + (row * patternSize + column) * 4;
            texel[0] = texel[1] = texel[2] = texel[3] = value;
        }
    }
}

unsigned int MakePatternTexture(PatternKind kind, bool mipmapped)
{
    // Start-up only: the buffer lives just while the texture is made.
    std::vector<unsigned char> texels(patternSize * patternSize * 4);
    makePatternTexels(kind, texels.data());
    return uploadTexture(texels.data(), patternSize, mipmapped, GL_NEAREST_MIPMAP_NEAREST);
}
