// Any picture file, of any length: the loader reads exactly its texels and never past them.
#include "engine/scene/picture_texture.h"

#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const int pictureSize = data[0] & 1 ? 256 : 128;
    const int alphaValue = data[0] & 2 ? -1 : data[1];
    const int keyThreshold = data[2];
    std::vector<std::uint8_t> bytes(data + 3, data + size);
    std::FILE* file = bytes.empty() ? std::tmpfile() : fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file)
        return 0;
    // As the loader does: the header is skipped unread, a shorter file reads as all missing.
    if (std::fseek(file, 54, SEEK_SET) != 0)
        std::fseek(file, 0, SEEK_END);
    std::vector<unsigned char> texels(static_cast<std::size_t>(pictureSize) * pictureSize * 4);
    readPictureTexels(file, pictureSize, alphaValue, keyThreshold, texels.data());
    std::fclose(file);
    return 0;
}
