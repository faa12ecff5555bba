#include "platform/image_canvas.h"

#include "platform/line_walk.h"
#include "platform/polygon_fill.h"
#include "platform/qt_drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace platform {
namespace {

QRgb qt_rgb(colour_ref c)
{
    return qRgb(red_of(c), green_of(c), blue_of(c));
}

// Pixel-exact text: no smoothing, so its pixels are the font colour only.
QFont exact_font(const font_choice& font)
{
    QFont f = qt_font(font);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// A forward-diagonal hatch: lines running down to the right every 8 pixels.
bool on_hatch_line(int x, int y)
{
    return ((x - y) % 8 + 8) % 8 == 0;
}

// What the brush puts on a pixel; nothing where it leaves the pixel alone.
std::optional<colour_ref> brush_colour_at(const brush& b, int x, int y)
{
    switch (b.style) {
    case brush_style::solid:
        return b.colour;
    case brush_style::forward_diagonal:
        return on_hatch_line(x, y) ? std::optional<colour_ref>(b.colour) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace

image_canvas::image_canvas(int width, int height, colour_ref fill)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.fill(qt_rgb(fill));
}

colour_ref image_canvas::pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return invalid_colour;
    const QRgb value = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    return rgb(qRed(value), qGreen(value), qBlue(value));
}

void image_canvas::set_pixel(int x, int y, colour_ref colour)
{
    if (image_.valid(x, y))
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = qt_rgb(colour);
}

void image_canvas::text_out(int x, int y, const std::string& text)
{
    if (text.empty())
        return;
    QPainter painter(&image_);
    painter.setFont(exact_font(font_));
    painter.setPen(qt_colour(font_.colour));
    if (background_ == text_background::opaque) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(qt_colour(brush_.colour));
    }
    painter.drawText(x, y + QFontMetrics(painter.font()).ascent(), QString::fromUtf8(text));
}

int image_canvas::text_height(const std::string& /*text*/)
{
    const QFontMetrics metrics(exact_font(font_));
    return metrics.ascent() + metrics.descent();
}

void image_canvas::thin_line(pixel_point from, pixel_point to)
{
    const bool dotted = pen_.style == pen_style::dotted;
    int count = 0;
    walk_line(from, to, [&](int x, int y) {
        if (!dotted || count++ % 2 == 0)
            set_pixel(x, y, pen_.colour);
    });
}

// A wide pen has round ends, as a geometric pen does.
void image_canvas::wide_line(pixel_point from, pixel_point to)
{
    QPainter painter(&image_);
    painter.setPen(QPen(qt_colour(pen_.colour), pen_.width, pen_.style == pen_style::dotted ? Qt::DotLine : Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from.x, from.y, to.x, to.y);
}

void image_canvas::line(pixel_point from, pixel_point to)
{
    if (pen_.style == pen_style::none)
        return;
    if (pen_.width <= 1)
        thin_line(from, to);
    else
        wide_line(from, to);
}

void image_canvas::polyline(std::span<const pixel_point> points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        line(points[i - 1], points[i]);
}

void image_canvas::fill_span(int y, int left, int right)
{
    if (y < 0 || y >= image_.height())
        return;
    for (int x = std::max(left, 0); x < std::min(right, image_.width()); ++x)
        if (const auto c = brush_colour_at(brush_, x, y))
            set_pixel(x, y, *c);
}

void image_canvas::polygon(std::span<const pixel_point> points)
{
    if (points.empty())
        return;
    const row_range rows = polygon_rows(points);
    for_each_polygon_span(points, std::max(rows.top, 0), std::min(rows.bottom, image_.height()),
                          [&](int y, const pixel_span& s) { fill_span(y, s.left, s.right); });
    polyline(points);
    line(points.back(), points.front());
}

void image_canvas::rectangle(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (right - left < 1 || bottom - top < 1)
        return;
    for (int y = std::max(top, 0); y < std::min(bottom, image_.height()); ++y)
        fill_span(y, left, right);
    const pixel_point corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}};
    polyline(corners);
}

void image_canvas::draw_bitmap(int x, int y, const bitmap& picture, raster_operation operation)
{
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column) {
            const colour_ref source = picture.at(column, row);
            const colour_ref under = pixel(x + column, y + row);
            set_pixel(x + column, y + row, operation == raster_operation::and_destination ? (source & under) : source);
        }
}

bitmap image_canvas::read_area(int left, int top, int width, int height) const
{
    bitmap area = bitmap::filled(width, height, window_background_colour());
    for (int row = 0; row < area.height; ++row)
        for (int column = 0; column < area.width; ++column)
            if (image_.valid(left + column, top + row))
                area.set(column, row, pixel(left + column, top + row));
    return area;
}

// Four-connected, from a stack of pixels still to look at; each pixel is
// looked at once, so a fill colour equal to the one sought cannot loop.
void image_canvas::flood_fill(int x, int y, colour_ref colour, flood_style style)
{
    const auto belongs = [&](int px, int py) {
        const colour_ref c = pixel(px, py);
        return style == flood_style::surface ? c == colour : c != colour;
    };
    if (!image_.valid(x, y) || !belongs(x, y))
        return;
    const int w = image_.width();
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(image_.height()), false);
    const auto index = [w](int px, int py) { return static_cast<std::size_t>(py) * static_cast<std::size_t>(w) + static_cast<std::size_t>(px); };
    std::vector<pixel_point> pending{{x, y}};
    seen[index(x, y)] = true;
    std::vector<pixel_point> area;
    while (!pending.empty()) {
        const pixel_point p = pending.back();
        pending.pop_back();
        area.push_back(p);
        for (const pixel_point n : {pixel_point{p.x + 1, p.y}, pixel_point{p.x - 1, p.y}, pixel_point{p.x, p.y + 1},
                                    pixel_point{p.x, p.y - 1}}) {
            if (!image_.valid(n.x, n.y) || seen[index(n.x, n.y)] || !belongs(n.x, n.y))
                continue;
            seen[index(n.x, n.y)] = true;
            pending.push_back(n);
        }
    }
    for (const pixel_point& p : area)
        if (const auto c = brush_colour_at(brush_, p.x, p.y))
            set_pixel(p.x, p.y, *c);
}

} // namespace platform
