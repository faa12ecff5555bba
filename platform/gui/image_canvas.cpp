#include "platform/gui/image_canvas.h"

#include "platform/core/line_walk.h"
#include "platform/core/polygon_fill.h"
#include "platform/gui/qt_drawing.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstring>
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

colour_ref colour_of(QRgb value)
{
    return rgb(qRed(value), qGreen(value), qBlue(value));
}

// A forward-diagonal hatch: lines running down to the right every 8
// pixels, through the pixels with x - y a multiple of 8. The first of them
// in row y at or right of `left`:
int first_hatch_pixel(int y, int left)
{
    return left + ((y - left) % 8 + 8) % 8;
}

// White, the window background every repaint starts from, has four equal
// bytes: memset writes them as fast as memory takes them.
void fill_pixels(QRgb* pixels, int count, QRgb colour)
{
    if (colour == 0xFFFFFFFFu)
        std::memset(pixels, 0xFF, static_cast<std::size_t>(count) * sizeof(QRgb));
    else
        std::fill_n(pixels, count, colour);
}

// The part of a picture that falls on an image: columns or rows
// [first, end) of a picture `length` long placed at `at` on an image `size` long.
struct overlap {
    int first, end;
};

overlap overlap_of(int at, int length, int size)
{
    const long long first = std::min(std::max(0LL, -static_cast<long long>(at)), static_cast<long long>(length));
    const long long end = std::min(static_cast<long long>(length), static_cast<long long>(size) - at);
    return {static_cast<int>(first), static_cast<int>(std::max(first, end))};
}

struct row_stretch {
    int y, left, right;   // pixels left to right - 1 of row y
};

// The pixels four-connected to `start` that belong, each looked at once, a
// row's stretch at a time; none when the start does not belong.
template <class Belongs>
std::vector<row_stretch> connected_stretches(const QImage& image, pixel_point start, Belongs belongs)
{
    const int w = image.width();
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(image.height()), false);
    const auto fresh = [&](const QRgb* pixels, int y, int x) {
        return !seen[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)]
            && belongs(pixels[x]);
    };
    const auto row_of = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    std::vector<row_stretch> area;
    std::vector<pixel_point> pending{start};
    while (!pending.empty()) {
        const pixel_point p = pending.back();
        pending.pop_back();
        const QRgb* pixels = row_of(p.y);
        if (!fresh(pixels, p.y, p.x))
            continue;
        row_stretch s{p.y, p.x, p.x + 1};
        while (s.left > 0 && fresh(pixels, p.y, s.left - 1))
            --s.left;
        while (s.right < w && fresh(pixels, p.y, s.right))
            ++s.right;
        const auto row_start = seen.begin() + static_cast<std::ptrdiff_t>(p.y) * w;
        std::fill(row_start + s.left, row_start + s.right, true);
        area.push_back(s);
        // One pending pixel for each run of fresh pixels above and below.
        for (const int y : {p.y - 1, p.y + 1}) {
            if (y < 0 || y >= image.height())
                continue;
            const QRgb* next = row_of(y);
            for (int x = s.left; x < s.right; ++x)
                if (fresh(next, y, x) && (x == s.left || !fresh(next, y, x - 1)))
                    pending.push_back({x, y});
        }
    }
    return area;
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
    return colour_of(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
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

QRgb* image_canvas::row(int y)
{
    return reinterpret_cast<QRgb*>(image_.scanLine(y));
}

void image_canvas::thin_line(pixel_point from, pixel_point to)
{
    const bool dotted = pen_.style == pen_style::dotted;
    const QRgb colour = qt_rgb(pen_.colour);
    QRgb* const pixels = row(0);
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    int count = 0;
    walk_line(from, to, [&](int x, int y) {
        if ((!dotted || count++ % 2 == 0) && image_.valid(x, y))
            pixels[y * stride + x] = colour;
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

// Row y from left to the pixel before right, clipped to the image, in the brush.
void image_canvas::fill_span(int y, int left, int right)
{
    left = std::max(left, 0);
    right = std::min(right, image_.width());
    if (y < 0 || y >= image_.height() || left >= right)
        return;
    QRgb* pixels = row(y);
    const QRgb colour = qt_rgb(brush_.colour);
    if (brush_.style == brush_style::solid)
        fill_pixels(pixels + left, right - left, colour);
    else if (brush_.style == brush_style::forward_diagonal)
        for (int x = first_hatch_pixel(y, left); x < right; x += 8)
            pixels[x] = colour;
}

void image_canvas::polygon(std::span<const pixel_point> points)
{
    if (points.empty())
        return;
    if (brush_.style != brush_style::none) {
        const row_range rows = polygon_rows(points);
        for_each_polygon_span(points, std::max(rows.top, 0), std::min(rows.bottom, image_.height()),
                              [&](int y, const pixel_span& s) { fill_span(y, s.left, s.right); });
    }
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
    const overlap columns = overlap_of(x, picture.width, image_.width());
    const overlap rows = overlap_of(y, picture.height, image_.height());
    for (int r = rows.first; r < rows.end; ++r) {
        QRgb* out = row(y + r);
        const colour_ref* in = picture.pixels.data() + static_cast<std::ptrdiff_t>(r) * picture.width;
        if (operation == raster_operation::and_destination)
            for (int c = columns.first; c < columns.end; ++c)
                out[x + c] = (qt_rgb(in[c]) & out[x + c]) | 0xFF000000u;
        else
            for (int c = columns.first; c < columns.end; ++c)
                out[x + c] = qt_rgb(in[c]);
    }
}

bitmap image_canvas::read_area(int left, int top, int width, int height) const
{
    bitmap area = bitmap::filled(width, height, window_background_colour());
    const overlap columns = overlap_of(left, area.width, image_.width());
    const overlap rows = overlap_of(top, area.height, image_.height());
    for (int r = rows.first; r < rows.end; ++r) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image_.constScanLine(top + r));
        colour_ref* out = area.pixels.data() + static_cast<std::ptrdiff_t>(r) * area.width;
        for (int c = columns.first; c < columns.end; ++c)
            out[c] = colour_of(in[left + c]);
    }
    return area;
}

// Four-connected, filled only when all is found: a fill colour equal to the
// one sought can neither loop nor leak.
void image_canvas::flood_fill(int x, int y, colour_ref colour, flood_style style)
{
    if (!image_.valid(x, y) || brush_.style == brush_style::none)
        return;
    const auto belongs = [&](QRgb value) { return (colour_of(value) == colour) == (style == flood_style::surface); };
    for (const row_stretch& s : connected_stretches(image_, {x, y}, belongs))
        fill_span(s.y, s.left, s.right);
}

} // namespace platform
