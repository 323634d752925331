#include "value_text.h"

#include <QCoreApplication>

QString SliderValueText(int value)
{
    if (value >= 1)
        return QStringLiteral("+") + QString::number(value);
    if (value == 0)
        return QCoreApplication::translate("Tavrolin_P", "標準");
    return QString::number(value);
}
