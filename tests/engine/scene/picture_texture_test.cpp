#include "engine/scene/picture_texture.h"
#include "tests/support/fifo_probe.h"
#include "tests/support/temporary_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Runs the reader over bytes held in memory, as if they were a file after its header.
std::vector<unsigned char> texelsFrom(const std::string& pixelBytes, int size, int alphaValue, int keyThreshold)
{
    std::vector<unsigned char> texels(size * size * 4);
    std::FILE* file = fmemopen(const_cast<char*>(pixelBytes.data()), pixelBytes.size(), "rb");
    if (!file) // fmemopen refuses a zero-length buffer; an empty stream reads the same way
        file = std::tmpfile();
    readPictureTexels(file, size, alphaValue, keyThreshold, texels.data());
    std::fclose(file);
    return texels;
}

TEST(PictureTexture, BrightnessAlphaIsTheTruncatedMean)
{
    EXPECT_EQ(pictureAlpha(255, 255, 255, -1, 0), 255);
    EXPECT_EQ(pictureAlpha(0, 0, 0, -1, 0), 0);
    EXPECT_EQ(pictureAlpha(31, 20, 10, -1, 0), 20);
    EXPECT_EQ(pictureAlpha(-1, -1, -1, -1, 0), 255);
}

TEST(PictureTexture, ColourKeyCutsOnlyWhenEveryChannelIsBelowTheThreshold)
{
    EXPECT_EQ(pictureAlpha(0, 0, 0, 255, 0), 255);
    EXPECT_EQ(pictureAlpha(15, 15, 15, 200, 16), 0);
    EXPECT_EQ(pictureAlpha(15, 16, 15, 200, 16), 200);
    EXPECT_EQ(pictureAlpha(-1, -1, -1, 255, 0), 0);
    EXPECT_EQ(pictureAlpha(9, 9, 9, 300, 0), 300 & 0xff);
}

TEST(PictureTexture, FirstStoredRowBecomesTheTopTextureRow)
{
    const int size = 4;
    std::string pixels;
    for (int column = 0; column < size; ++column)
        pixels += std::string("\x00\x00\xff", 3); // blue, green, red: red
    pixels += std::string(size * 3 * (size - 1), '\0');
    const std::vector<unsigned char> texels = texelsFrom(pixels, size, 255, 0);
    const unsigned char* top = &texels[(size - 1) * size * 4];
    EXPECT_EQ(top[0], 255);
    EXPECT_EQ(top[1], 0);
    EXPECT_EQ(top[2], 0);
    EXPECT_EQ(top[3], 255);
    EXPECT_EQ(texels[0], 0);
    EXPECT_EQ(texels[3], 255); // black is opaque under a colour key of 0
}

TEST(PictureTexture, ShortFileReadsMissingBytesAsWhiteAndClear)
{
    const int size = 2;
    const std::vector<unsigned char> keyed = texelsFrom(std::string("\x10\x20\x30\x40", 4), size, 255, 0);
    // Top row: first texel complete (b 0x10, g 0x20, r 0x30), the second has only blue.
    const unsigned char* first = &keyed[(1 * size + 0) * 4];
    EXPECT_EQ(first[0], 0x30);
    EXPECT_EQ(first[2], 0x10);
    EXPECT_EQ(first[3], 255);
    const unsigned char* second = &keyed[(1 * size + 1) * 4];
    EXPECT_EQ(second[0], 255);
    EXPECT_EQ(second[2], 0x40);
    EXPECT_EQ(second[3], 255); // blue was read, so the key does not cut it
    const unsigned char* missing = &keyed[0];
    EXPECT_EQ(missing[0], 255);
    EXPECT_EQ(missing[3], 0);

    const std::vector<unsigned char> bright = texelsFrom(std::string(), size, -1, 0);
    EXPECT_EQ(bright[3], 255);
}

TEST(PictureTexture, OnlyARegularFileIsRead)
{
    // Missing files give no texture without touching GL, so none of these needs a context.
    TemporaryFolder folder;
    unsigned int name = 1;
    EXPECT_TRUE(ReturnsWithoutAWriter(folder.path() / "Tavrolin1.alo",
                                      [&] { name = LoadPictureTexture((folder.path() / "Tavrolin1.alo").c_str(), 256, 255, 0, true); }));
    EXPECT_EQ(name, 0u);
    std::filesystem::create_symlink("/dev/zero", folder.path() / "Tavrolin2.alo");
    EXPECT_EQ(LoadPictureTexture((folder.path() / "Tavrolin2.alo").c_str(), 128, -1, 0, false), 0u);
    EXPECT_EQ(LoadPictureTexture(folder.path().c_str(), 128, -1, 0, false), 0u);
}

}
