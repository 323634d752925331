#pragma once

#include <QImage>
#include <filesystem>

// The stand-in for SavePicture: writes the picture as an uncompressed 24-bit bottom-up Windows
// bitmap (54-byte header, no palette, pixel data at offset 54) at its own size. The file is
// written under a temporary name in the same folder and renamed into place, so a reader never
// sees half a picture and a failure leaves any old file untouched. A link at the path is itself
// replaced; its target stays as it was. False when it failed.
bool SavePicture(const QImage& picture, const std::filesystem::path& file);
