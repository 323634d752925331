#include "dialog_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {

QString japaneseFamily()
{
    // Under a Japanese locale the font database lists families by their Japanese names
    // ("IPA Pゴシック") and knows the English ones as aliases, but only once it has been filled.
    const QString preferred = QStringLiteral("IPAPGothic");
    if (QFontDatabase::families().contains(preferred) || QFontDatabase::hasFamily(preferred))
        return preferred;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : japanese)
        if (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive)
            || family.contains(QStringLiteral("ゴシック")) || family.contains(QStringLiteral("Sans"), Qt::CaseInsensitive))
            return family;
    return japanese.isEmpty() ? QString() : japanese.first();
}

}

QFont DialogFont(double pointSize)
{
    QFont font = QGuiApplication::font();
    const QString family = japaneseFamily();
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPointSizeF(pointSize);
    return font;
}
