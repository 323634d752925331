#include "value_text.h"

QString SliderValueText(int value)
{
    if (value >= 1)
        return QStringLiteral("+") + QString::number(value);
    if (value == 0)
        return QStringLiteral("標準");
    return QString::number(value);
}
