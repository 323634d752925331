#include "save_picture.h"

#include <QSaveFile>
#include <QString>

bool SavePicture(const QImage& picture, const std::filesystem::path& file)
{
    if (picture.isNull())
        return false;
    // Qt's writer keeps indexed and one-bit pictures in their own depth; the reader expects 24 bits.
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    QSaveFile output(QString::fromStdString(file.string()));
    if (!output.open(QIODevice::WriteOnly))
        return false;
    if (!opaque.save(&output, "BMP")) {
        output.cancelWriting();
        return false;
    }
    return output.commit();
}
