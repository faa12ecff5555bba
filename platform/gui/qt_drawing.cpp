#include "platform/gui/qt_drawing.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace platform {

QFont qt_font(const font_choice& font)
{
    QFont f(QString::fromUtf8(font.name));
    if (font.height > 0)
        f.setPixelSize(font.height);
    else
        f.setPointSize(font.size > 0 ? font.size : 1);
    f.setBold(font.bold);
    return f;
}

QColor qt_colour(colour_ref colour)
{
    return QColor(red_of(colour), green_of(colour), blue_of(colour));
}

} // namespace platform
