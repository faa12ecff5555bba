#pragma once
// The one QApplication of a tutor test program, created on first use and
// never destroyed; an application that already runs is used as it is.

#include <QApplication>

inline QApplication& tutor_application()
{
    if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *running;
    static int argc = 1;
    static char name[] = "tutor";
    static char* argv[] = {name};
    // Never destroyed: tearing Qt down among other statics at exit is not safe.
    return *new QApplication(argc, argv);
}
