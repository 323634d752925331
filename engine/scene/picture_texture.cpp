#include "engine/scene/picture_texture.h"

#include "engine/scene/texture_upload.h"
#include "files/regular_file.h"

#include <GL/gl.h>
#include <vector>

namespace {

constexpr long pictureHeaderSize = 54;

}

int pictureAlpha(int red, int green, int blue, int alphaValue, int keyThreshold)
{
    if (alphaValue < 0)
        return static_cast<int>((red + green + blue) * (1.0 / 3.0)) & 0xff;
    if (red < keyThreshold && green < keyThreshold && blue < keyThreshold)
        return 0;
    return alphaValue & 0xff;
}

void readPictureTexels(std::FILE* file, int size, int alphaValue, int keyThreshold, unsigned char* texels)
{
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            const int blue = std::fgetc(file);
            const int green = std::fgetc(file);
            const int red = std::fgetc(file);
            unsigned char* texel = texels + (row * size + column) * 4;
            texel[0] = static_cast<unsigned char>(red);
            texel[1] = static_cast<unsigned char>(green);
            texel[2] = static_cast<unsigned char>(blue);
            texel[3] = static_cast<unsigned char>(pictureAlpha(red, green, blue, alphaValue, keyThreshold));
        }
    }
}

unsigned int LoadPictureTexture(const char* path, int size, int alphaValue, int keyThreshold, bool mipmapped)
{
    std::FILE* file = OpenRegularFileStream(path);
    if (!file)
        return 0;
    // Start-up only: the buffer lives just while the texture is made.
    std::vector<unsigned char> texels(static_cast<std::size_t>(size) * size * 4);
    // A file shorter than its header reads as all missing bytes, like any other short file.
    if (std::fseek(file, pictureHeaderSize, SEEK_SET) != 0)
        std::fseek(file, 0, SEEK_END);
    readPictureTexels(file, size, alphaValue, keyThreshold, texels.data());
    std::fclose(file);
    const int minifyingFilter = size == 128 ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_NEAREST;
    return uploadTexture(texels.data(), size, mipmapped, minifyingFilter);
}
