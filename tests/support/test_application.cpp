#include "tests/support/test_application.h"

#include <QApplication>
#include <QFontInfo>
#include <gtest/gtest.h>

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "widget_tests";
    static char* argv[] = {name, nullptr};
    // Deliberately never destroyed: widgets in static test data may outlive any owner.
    new QApplication(argc, argv);
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    QApplication::setFont(font);
    // Qt would quietly draw in another face; pixel checks would then fail for no visible reason.
    if (QFontInfo(font).family() != QStringLiteral("DejaVu Sans"))
        ADD_FAILURE() << "the DejaVu Sans font is not installed (scripts/setup installs it)";
}
