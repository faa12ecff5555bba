#include "geometry/drawing/screen_drawing.h"

#include "platform/gui/image_canvas.h"
#include "platform/core/line_walk.h"

#include <cstdlib>

using namespace foundation;

namespace geometry::drawing {

namespace {

// One call's state, handed to the pixel rule, so calls never disturb each other.
struct patterned_line {
    platform::Canvas& dc;
    std::uint32_t pattern;
    platform::colour_ref colour;
    platform::colour_ref gap_colour;
    int unit;
    long long counter;
    Tinteger_point start;
    Tinteger_point end;
    bool dotted;
    bool fill_gaps;

    bool bit_set() const
    {
        long long bit = (counter / unit) % 32;
        if (bit < 0)
            bit += 32;
        return (pattern >> (31 - bit)) & 1u;
    }

    bool near_an_end(int x, int y) const
    {
        const long long reach = 5LL * unit;
        return std::llabs(0LL + x - start.x) + std::llabs(0LL + y - start.y) < reach ||
               std::llabs(0LL + x - end.x) + std::llabs(0LL + y - end.y) < reach;
    }

    void pixel(int x, int y)
    {
        if (bit_set() || (!dotted && near_an_end(x, y)))
            dc.set_pixel(x, y, colour);
        else if (fill_gaps)
            dc.set_pixel(x, y, gap_colour);
        ++counter;
    }
};

// Where a pixel can land: an image's own area; on any other canvas (a
// printed page) the widest area a page could have.
platform::pixel_rect drawable_area(const platform::Canvas& dc)
{
    if (const auto* image = dynamic_cast<const platform::image_canvas*>(&dc))
        return {0, 0, image->width(), image->height()};
    constexpr std::int32_t page_reach = 1 << 16;
    return {-page_reach, -page_reach, page_reach, page_reach};
}

struct shift {
    int x;
    int y;
};

Tinteger_point shifted(Tinteger_point p, shift s, int times)
{
    return {p.x + s.x * times, p.y + s.y * times};
}

// The two directions in which the parallel lines of a wide line lie, and
// how many lines there are: a slanted line looks thinner, so it gets half
// as many again.
struct spread {
    shift first;
    shift second;
    int width;
};

spread spread_of(Tinteger_point from, Tinteger_point to, int width)
{
    long long dx = 0LL + to.x - from.x, dy = 0LL + to.y - from.y;
    if (dy < 0) {
        dx = -dx;
        dy = -dy;
    }
    if (dy == 0 || std::llabs(dx) / dy > 3)
        return {{0, -1}, {0, 1}, width};
    if (dx == 0 || dy / std::llabs(dx) > 3)
        return {{1, 0}, {-1, 0}, width};
    return {{0, dx < 1 ? 1 : -1}, {-1, 0}, 3 * width / 2};
}

} // namespace

void draw_patterned_line(platform::Canvas& dc, Tinteger_point from, Tinteger_point to, bool fill_gaps, int unit,
                         int width, platform::colour_ref colour, std::uint32_t pattern)
{
    const platform::pen previous_pen = dc.pen();
    const bool solid = pattern == solid_pattern;
    if (solid)
        dc.set_pen({colour, 1, platform::pen_style::solid});
    const long long first_count = from.y == to.y ? from.x : from.x == to.x ? from.y : 0;
    const platform::pixel_rect area = drawable_area(dc);
    const auto draw = [&](Tinteger_point a, Tinteger_point b) {
        if (solid) {
            dc.line(a, b);
            return;
        }
        patterned_line line{dc, pattern, colour, platform::window_background_colour(), unit < 1 ? 1 : unit,
                            first_count, a, b, pattern == dotted_pattern, fill_gaps};
        // Only the pixels on the canvas are walked, with the pattern where
        // the whole walk would have it: a line far off costs nothing.
        platform::walk_line_within(a, b, area, [&line, first_count](int x, int y, std::int64_t step) {
            line.counter = first_count + step;
            line.pixel(x, y);
        });
    };
    draw(from, to);
    if (width >= 2) {
        const spread s = spread_of(from, to, width);
        for (int k = 1; k <= s.width / 2; ++k)
            draw(shifted(from, s.first, k), shifted(to, s.first, k));
        if (s.width > 2)
            for (int k = 1; k <= (s.width - 1) / 2; ++k)
                draw(shifted(from, s.second, k), shifted(to, s.second, k));
    }
    if (solid)
        dc.set_pen(previous_pen);
}

void draw_clipped_line(platform::Canvas& dc, Tinteger_point from, Tinteger_point to)
{
    const platform::pen pen = dc.pen();
    const platform::pixel_rect area = drawable_area(dc);
    const auto inside = [&area](Tinteger_point p) {
        return p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom;
    };
    const bool thin_on_image = pen.width <= 1 && dynamic_cast<const platform::image_canvas*>(&dc) != nullptr;
    if (!thin_on_image || pen.style == platform::pen_style::none || (inside(from) && inside(to))) {
        dc.line(from, to);
        return;
    }
    // The image's own one-pixel line: every walked pixel, or every other one when dotted.
    const bool dotted = pen.style == platform::pen_style::dotted;
    platform::walk_line_within(from, to, area, [&](int x, int y, std::int64_t step) {
        if (!dotted || step % 2 == 0)
            dc.set_pixel(x, y, pen.colour);
    });
}

} // namespace geometry::drawing
