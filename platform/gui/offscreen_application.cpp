#include "platform/gui/offscreen_application.h"

#include <QGuiApplication>

namespace platform {

namespace {

QtMessageHandler qt_default_handler = nullptr;

// Qt's notes for developers (no desktop session, say) are no business of a
// tool's user; what is fatal still goes through.
void quiet_handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qt_default_handler)
        qt_default_handler(type, context, text);
}

} // namespace

void ensure_offscreen_application()
{
    if (QCoreApplication::instance())
        return;
    qt_default_handler = qInstallMessageHandler(quiet_handler);
    static int argc = 3;
    static char name[] = "students", option[] = "-platform", platform_name[] = "offscreen";
    static char* argv[] = {name, option, platform_name, nullptr};
    // Kept to the end of the program, as Qt wants.
    new QGuiApplication(argc, argv);
}

} // namespace platform
