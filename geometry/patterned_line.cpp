#include "geometry/screen_drawing.h"

#include "platform/line_walk.h"

#include <cstdlib>

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
    const auto draw = [&](Tinteger_point a, Tinteger_point b) {
        if (solid) {
            dc.line(a, b);
            return;
        }
        patterned_line line{dc, pattern, colour, platform::window_background_colour(), unit < 1 ? 1 : unit,
                            first_count, a, b, pattern == dotted_pattern, fill_gaps};
        platform::walk_line(a, b, [&line](int x, int y) { line.pixel(x, y); });
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
