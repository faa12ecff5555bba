#include "tutor/windows/Region.h"

#include "geometry/model/rounding.h"
#include "geometry/model/screen_metrics.h"
#include "platform/widgets/canvas_widget.h"
#include "platform/core/line_walk.h"
#include "tutor/windows/Regions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace geometry::model;

namespace tutor::windows {

namespace {

using platform::pixel_point;
using platform::pixel_rect;

std::int32_t within_32_bits(long double v)
{
    return round_to_pixel(std::trunc(v));
}

// The point of the line through `from` and `to` at the given y (or x), by
// truncating division.
pixel_point on_line_at_y(pixel_point from, pixel_point to, std::int32_t y)
{
    const long double x = from.x + std::trunc((static_cast<long double>(y) - from.y) * (static_cast<long double>(to.x) - from.x)
                                               / (static_cast<long double>(to.y) - from.y));
    return {within_32_bits(x), y};
}

pixel_point on_line_at_x(pixel_point from, pixel_point to, std::int32_t x)
{
    const long double y = from.y + std::trunc((static_cast<long double>(x) - from.x) * (static_cast<long double>(to.y) - from.y)
                                               / (static_cast<long double>(to.x) - from.x));
    return {x, within_32_bits(y)};
}

int clamped(long long v, int low, int high)
{
    return static_cast<int>(std::max<long long>(low, std::min<long long>(v, high)));
}

pixel_rect normalized(pixel_rect r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

} // namespace

bool Tregion::contains(pixel_point p) const
{
    return p.x >= rectangle.left && p.x <= rectangle.right && p.y >= rectangle.top && p.y <= rectangle.bottom;
}

bool Tregion::holds_strips() const
{
    return std::any_of(strips_.begin(), strips_.end(), [](const strip& s) { return !s.pixels.empty(); });
}

void Tregion::erase_region_feedback()
{
    if (band_shown_) {
        erase_band(owner_.owner().canvas());
        owner_.owner().show_changes();
    }
    free_band();
    band_on = false;
}

// An anchor beyond the edge the line crosses first starts the band on that edge.
pixel_point Tregion::band_start(pixel_point mouse) const
{
    const long long dx = std::llabs(static_cast<long long>(mouse.x) - anchor.x);
    const long long dy = std::llabs(static_cast<long long>(mouse.y) - anchor.y);
    if (dy > dx) {
        if (anchor.y < rectangle.top)
            return on_line_at_y(mouse, anchor, rectangle.top);
        if (anchor.y > rectangle.bottom)
            return on_line_at_y(mouse, anchor, rectangle.bottom);
    } else if (dx > 0) {
        if (anchor.x < rectangle.left)
            return on_line_at_x(mouse, anchor, rectangle.left);
        if (anchor.x > rectangle.right)
            return on_line_at_x(mouse, anchor, rectangle.right);
    }
    return anchor;
}

// Pixel k of the band inside the region: every one when solid; dashed, the
// first 7 are left, then 8 drawn and 8 left in turn.
void Tregion::draw_band(platform::Canvas& canvas, pixel_point mouse)
{
    if (saved_capacity_ == 0) {
        const long long wanted = static_cast<long long>(rectangle.right) - rectangle.left
            + (static_cast<long long>(rectangle.bottom) - rectangle.top) + 2;
        saved_capacity_ = clamped(wanted, 1, saved_pixel_capacity);
    }
    saved_count_ = 0;
    int k = 0;
    platform::walk_line(band_start(mouse), mouse, [&](int x, int y) {
        if (!contains({x, y}))
            return;
        ++k;
        if (k >= saved_capacity_ || !(band_solid || k % 16 >= 8))
            return;
        saved_[static_cast<std::size_t>(saved_count_++)] = {{x, y}, canvas.pixel(x, y)};
        canvas.set_pixel(x, y, colour);
    });
    last_end_ = mouse;
    band_shown_ = true;
}

void Tregion::erase_band(platform::Canvas& canvas)
{
    for (int i = saved_count_ - 1; i >= 0; --i) {
        const saved_pixel& s = saved_[static_cast<std::size_t>(i)];
        canvas.set_pixel(s.at.x, s.at.y, s.colour);
    }
    saved_count_ = 0;
    band_shown_ = false;
}

void Tregion::free_band()
{
    saved_capacity_ = 0;
    saved_count_ = 0;
    band_shown_ = false;
}

pixel_rect Tregion::rectangle_around(pixel_point mouse, int client_width, int client_height) const
{
    // Box and circle stay one pixel inside the client area.
    const auto inside_client = [&](pixel_rect r) {
        return pixel_rect{clamped(r.left, 1, client_width - 2), clamped(r.top, 1, client_height - 2),
                          clamped(r.right, 1, client_width - 2), clamped(r.bottom, 1, client_height - 2)};
    };
    switch (rectangle_mode) {
    case feedback_rectangle_mode::box:
        return inside_client({clamped(static_cast<long long>(mouse.x) - box.left, INT32_MIN, INT32_MAX),
                              clamped(static_cast<long long>(mouse.y) - box.up, INT32_MIN, INT32_MAX),
                              clamped(static_cast<long long>(mouse.x) + box.right, INT32_MIN, INT32_MAX),
                              clamped(static_cast<long long>(mouse.y) + box.down, INT32_MIN, INT32_MAX)});
    case feedback_rectangle_mode::circle: {
        const long double dx = static_cast<long double>(mouse.x) - centre.x;
        const long double dy = (static_cast<long double>(mouse.y) - centre.y) * aspect;
        const long double r = std::min(std::sqrt(dx * dx + dy * dy), 30000.0L);
        const long double half_height = r * aspect;
        return inside_client({pixel_offset(centre.x, -r), pixel_offset(centre.y, -half_height),
                              pixel_offset(centre.x, r), pixel_offset(centre.y, half_height)});
    }
    case feedback_rectangle_mode::computed:
        if (compute_rectangle)
            return compute_rectangle(mouse);
        [[fallthrough]];
    default:
        return {corner.x, corner.y, mouse.x, mouse.y};
    }
}

// Only what lies on the canvas is kept; the rest of an edge draws nothing.
void Tregion::save_strip(strip& s, const platform::Canvas& canvas, int left, int top, int width, int height)
{
    s.at = {left, top};
    s.pixels = canvas.read_area(left, top, width, height);
}

void Tregion::draw_rectangle(platform::Canvas& canvas, pixel_point mouse, int client_width, int client_height)
{
    const pixel_rect r = normalized(rectangle_around(mouse, client_width, client_height));
    shown_rectangle_ = r;
    // Drawn clipped just outside the canvas: the pixels on it are the same.
    const pixel_rect c{clamped(r.left, -1, client_width), clamped(r.top, -1, client_height),
                       clamped(r.right, -1, client_width), clamped(r.bottom, -1, client_height)};
    const int left = std::max(c.left, 0);
    const int top = std::max(c.top, 0);
    const int width = std::min(c.right, client_width - 1) - left + 1;
    const int height = std::min(c.bottom, client_height - 1) - top + 1;
    for (strip& s : strips_)
        s = {};
    if (width > 0 && height > 0) {
        if (c.top >= 0)
            save_strip(strips_[0], canvas, left, c.top, width, 1);
        if (c.bottom < client_height)
            save_strip(strips_[1], canvas, left, c.bottom, width, 1);
        if (c.left >= 0)
            save_strip(strips_[2], canvas, c.left, top, 1, height);
        if (c.right < client_width)
            save_strip(strips_[3], canvas, c.right, top, 1, height);
    }
    const platform::pen previous = canvas.pen();
    canvas.set_pen({colour, 1, dotted ? platform::pen_style::dotted : platform::pen_style::solid});
    const pixel_point outline[] = {{c.left, c.top}, {c.right, c.top}, {c.right, c.bottom}, {c.left, c.bottom},
                                   {c.left, c.top}};
    canvas.polyline(outline);
    canvas.set_pen(previous);
    rectangle_shown_ = true;
}

void Tregion::erase_rectangle(platform::Canvas& canvas)
{
    for (const strip& s : strips_)
        canvas.draw_bitmap(s.at.x, s.at.y, s.pixels, platform::raster_operation::copy);
    rectangle_shown_ = false;
}

void Tregion::free_strips()
{
    for (strip& s : strips_)
        s = {};
    rectangle_shown_ = false;
}

} // namespace tutor::windows
