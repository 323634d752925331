#pragma once

#include <QChar>
#include <QString>

// The access key a caption marks: the character after its first "&" that is not part of an
// "&&" pair, in lower case. A null QChar when there is none (no "&", only pairs, or an "&" at
// the very end).
QChar AccessKeyOf(const QString& caption);
