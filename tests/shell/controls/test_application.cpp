#include "test_application.h"

#include <QApplication>

void EnsureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "controls_tests";
    static char* argv[] = {name, nullptr};
    // Deliberately never destroyed: widgets in static test data may outlive any owner.
    new QApplication(argc, argv);
}
