#include "platform/painter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
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

painter_canvas::painter_canvas(QPaintDevice& device, const font_choice& font) : device_(device)
{
    started_ = painter_.begin(&device_);
    set_font(font);
}

void painter_canvas::set_font(const font_choice& font)
{
    font_ = font;
    if (started_)
        painter_.setFont(qt_font(font));
}

void painter_canvas::text_out(int x, int y, const std::string& text)
{
    if (!started_)
        return;
    const QFontMetrics metrics(painter_.font(), &device_);
    painter_.drawText(x, y + metrics.ascent(), QString::fromUtf8(text));
}

// Every text of a font is as high as the font itself.
int painter_canvas::text_height(const std::string& /*text*/)
{
    const QFontMetrics metrics(painter_.font(), &device_);
    return metrics.ascent() + metrics.descent();
}

} // namespace platform
