#include "translation.h"

#include <QCoreApplication>
#include <QTranslator>

QTranslator* InstallTranslation(QCoreApplication& application, UserLanguage language)
{
    if (language == UserLanguage::Japanese)
        return nullptr;
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/i18n/tavrolin_en.qm")) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
