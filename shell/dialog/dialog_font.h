#pragma once

#include <QFont>

// The dialog's Japanese font at the given size in points: IPAPGothic when it is installed,
// otherwise the first Japanese gothic face, otherwise any Japanese face, otherwise the
// application's font (whose fallbacks still find Japanese glyphs where any font has them).
QFont DialogFont(double pointSize);
