#pragma once
// Our fonts and colours in Qt's terms, for the canvases over Qt.

#include "platform/core/canvas.h"

class QColor;
class QFont;

namespace platform {

QFont qt_font(const font_choice& font);
QColor qt_colour(colour_ref colour);

} // namespace platform
