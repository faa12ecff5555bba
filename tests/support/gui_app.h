#pragma once
// The one QGuiApplication of a test program that draws text or asks for the
// screen; created on first use, never destroyed.

#include <QGuiApplication>

namespace test_support {

inline QGuiApplication& gui_app()
{
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name};
    // Never destroyed: tearing Qt down among other statics at exit is not safe.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return *app;
}

} // namespace test_support
