#pragma once
// The one QApplication of a test program that makes widgets; created on
// first use and never destroyed; an application that already runs is used
// as it is.

#include <QApplication>

namespace test_support {

inline QApplication& widget_app()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *running;
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name};
    // Never destroyed: tearing Qt down among other statics at exit is not safe.
    return *new QApplication(argc, argv);
}

} // namespace test_support
