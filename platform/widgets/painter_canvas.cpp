#include "platform/widgets/painter_canvas.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>
#include <QString>

namespace platform {
namespace {

QPolygon qt_polygon(std::span<const pixel_point> points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const pixel_point& p : points)
        polygon.append(QPoint(p.x, p.y));
    return polygon;
}

QImage qt_image(const bitmap& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            image.setPixel(x, y, qt_colour(picture.at(x, y)).rgb());
    return image;
}

Qt::PenStyle qt_pen_style(pen_style style)
{
    switch (style) {
    case pen_style::solid:
        return Qt::SolidLine;
    case pen_style::dotted:
        return Qt::DotLine;
    default:
        return Qt::NoPen;
    }
}

} // namespace

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
    painter_.setPen(qt_colour(font_.colour));
    const bool opaque = background_ == text_background::opaque;
    painter_.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(qt_colour(brush_.colour));
    painter_.drawText(x, y + metrics.ascent(), QString::fromUtf8(text));
}

// Every text of a font is as high as the font itself.
int painter_canvas::text_height(const std::string& /*text*/)
{
    const QFontMetrics metrics(painter_.font(), &device_);
    return metrics.ascent() + metrics.descent();
}

void painter_canvas::use_pen_and_brush(bool filled)
{
    QPen pen(qt_colour(pen_.colour), pen_.width, qt_pen_style(pen_.style), Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    if (!filled || brush_.style == brush_style::none)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(QBrush(qt_colour(brush_.colour),
                                 brush_.style == brush_style::solid ? Qt::SolidPattern : Qt::FDiagPattern));
}

void painter_canvas::line(pixel_point from, pixel_point to)
{
    if (!started_)
        return;
    use_pen_and_brush(false);
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void painter_canvas::polyline(std::span<const pixel_point> points)
{
    if (!started_)
        return;
    use_pen_and_brush(false);
    painter_.drawPolyline(qt_polygon(points));
}

void painter_canvas::polygon(std::span<const pixel_point> points)
{
    if (!started_)
        return;
    use_pen_and_brush(true);
    painter_.drawPolygon(qt_polygon(points), Qt::WindingFill);
}

void painter_canvas::rectangle(int left, int top, int right, int bottom)
{
    if (!started_)
        return;
    use_pen_and_brush(true);
    painter_.drawRect(left, top, right - left - 1, bottom - top - 1);
}

colour_ref painter_canvas::pixel(int /*x*/, int /*y*/) const
{
    return window_background_colour();
}

void painter_canvas::set_pixel(int x, int y, colour_ref colour)
{
    if (started_)
        painter_.fillRect(x, y, 1, 1, qt_colour(colour));
}

void painter_canvas::draw_bitmap(int x, int y, const bitmap& picture, raster_operation operation)
{
    if (!started_ || picture.empty())
        return;
    const bool can_and = painter_.paintEngine() && painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (operation == raster_operation::and_destination && can_and)
        painter_.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter_.drawImage(x, y, qt_image(picture));
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bitmap painter_canvas::read_area(int /*left*/, int /*top*/, int width, int height) const
{
    return bitmap::filled(width, height, window_background_colour());
}

void painter_canvas::flood_fill(int /*x*/, int /*y*/, colour_ref /*colour*/, flood_style /*style*/) {}

} // namespace platform
