#include "platform/gui/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

screen_size primary_screen_size()
{
    const QScreen* screen = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen || screen->geometry().width() <= 0 || screen->geometry().height() <= 0)
        return {};
    const QSizeF physical = screen->physicalSize();
    return {screen->geometry().width(), screen->geometry().height(), physical.width(), physical.height()};
}

} // namespace platform
