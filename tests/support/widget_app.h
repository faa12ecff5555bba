#pragma once
// The one QApplication of a test program that makes widgets; created on
// first use, never destroyed.

#include <QApplication>

namespace test_support {

inline QApplication& widget_app()
{
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name};
    // Never destroyed: tearing Qt down among other statics at exit is not safe.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace test_support
