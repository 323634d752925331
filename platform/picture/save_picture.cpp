#include "save_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

bool writeAll(int descriptor, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}

bool SavePicture(const QImage& picture, const std::filesystem::path& file)
{
    if (picture.isNull())
        return false;
    // Qt's writer keeps indexed and one-bit pictures in their own depth; the reader expects 24 bits.
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!opaque.save(&buffer, "BMP"))
        return false;

    // A link at the path is replaced, never followed: the picture must not land on its target.
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string temporary = (folder / (file.filename().string() + ".tmp" + std::to_string(getpid()))).string();
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, bytes.constData(), static_cast<std::size_t>(bytes.size()))
        && fsync(descriptor) == 0;
    const bool closed = close(descriptor) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
