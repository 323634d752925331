#pragma once

#include "user_language.h"

class QCoreApplication;
class QTranslator;

// Puts the English texts, built into the program, in place of the Japanese ones the code holds
// when the language is English; Japanese needs no translator. Call before any window is made.
// Returns the installed translator (a child of the application) or null when none was installed.
QTranslator* InstallTranslation(QCoreApplication& application, UserLanguage language);
