#include "platform/picture/save_picture.h"
#include "tests/support/temporary_folder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::uint32_t little32(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8
        | static_cast<std::uint8_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

std::uint16_t little16(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

TEST(SavePictureTest, WritesA24BitBottomUpBitmapWithA54ByteHeader)
{
    TemporaryFolder folder;
    // Top line red, bottom line blue, one green pixel at the bottom right.
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int x = 0; x < 128; ++x) {
        picture.setPixel(x, 0, qRgb(255, 0, 0));
        picture.setPixel(x, 127, qRgb(0, 0, 255));
    }
    picture.setPixel(127, 127, qRgb(0, 200, 0));
    const auto file = folder.path() / "Tavrolin1.alo";
    ASSERT_TRUE(SavePicture(picture, file));

    const std::string bytes = TemporaryFolder::read(file);
    ASSERT_EQ(bytes.size(), 54u + 3u * 128u * 128u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(little32(bytes, 2), bytes.size());
    EXPECT_EQ(little32(bytes, 10), 54u);  // pixel data offset
    EXPECT_EQ(little32(bytes, 14), 40u);  // information header size
    EXPECT_EQ(little32(bytes, 18), 128u); // width
    EXPECT_EQ(little32(bytes, 22), 128u); // height, positive: bottom-up
    EXPECT_EQ(little16(bytes, 28), 24u);  // bits per pixel
    EXPECT_EQ(little32(bytes, 30), 0u);   // no compression

    // The first stored row is the picture's bottom line, pixels in blue, green, red order.
    EXPECT_EQ(bytes.substr(54, 3), std::string("\xFF\x00\x00", 3));
    EXPECT_EQ(bytes.substr(54 + 127 * 3, 3), std::string("\x00\xC8\x00", 3));
    EXPECT_EQ(bytes.substr(54 + 127 * 128 * 3, 3), std::string("\x00\x00\xFF", 3));
}

TEST(SavePictureTest, PicturesOfOtherFormatsAreWrittenWith24Bits)
{
    TemporaryFolder folder;
    QImage indexed(256, 256, QImage::Format_Mono);
    indexed.fill(0);
    const auto file = folder.path() / "Tavrolin2.alo";
    ASSERT_TRUE(SavePicture(indexed, file));
    EXPECT_EQ(std::filesystem::file_size(file), 54u + 3u * 256u * 256u);
}

TEST(SavePictureTest, ReplacesTheOldFileOrOnFailureLeavesItUntouched)
{
    TemporaryFolder folder;
    const auto file = folder.write("Tavrolin1.alo", "old");
    EXPECT_FALSE(SavePicture(QImage(), file));
    EXPECT_EQ(TemporaryFolder::read(file), "old");
    EXPECT_FALSE(SavePicture(QImage(8, 8, QImage::Format_RGB32), folder.path() / "missing" / "x.alo"));

    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(SavePicture(picture, file));
    EXPECT_EQ(std::filesystem::file_size(file), 49206u);
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()), {});
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
}

TEST(SavePictureTest, ALinkAtThePathIsReplacedAndItsTargetKept)
{
    TemporaryFolder folder;
    const auto notes = folder.write("notes.txt", "my notes");
    const auto file = folder.path() / "Tavrolin1.alo";
    std::filesystem::create_symlink(notes, file);
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(SavePicture(picture, file));
    EXPECT_EQ(TemporaryFolder::read(notes), "my notes");
    EXPECT_FALSE(std::filesystem::is_symlink(file));
    EXPECT_EQ(std::filesystem::file_size(file), 49206u);
}

}
