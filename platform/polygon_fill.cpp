#include "platform/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace platform {
namespace {

struct crossing {
    double x;
    int direction;   // +1 where the outline runs down, -1 where it runs up
};

std::vector<crossing> row_crossings(std::span<const pixel_point> points, int y)
{
    std::vector<crossing> crossings;
    const double centre = y + 0.5;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const pixel_point a = points[i];
        const pixel_point b = points[(i + 1) % n];
        // The centre line lies between whole rows, so it never meets a point.
        if ((a.y < centre) == (b.y < centre))
            continue;
        const double x = a.x + (centre - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
        crossings.push_back({x, b.y > a.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const crossing& l, const crossing& r) { return l.x < r.x; });
    return crossings;
}

// The first pixel whose centre lies at or right of x.
int first_pixel_from(double x)
{
    return static_cast<int>(std::ceil(x - 0.5));
}

} // namespace

std::vector<pixel_span> polygon_row_spans(std::span<const pixel_point> points, int y)
{
    std::vector<pixel_span> spans;
    if (points.size() < 3)
        return spans;
    int winding = 0;
    double start = 0;
    for (const crossing& c : row_crossings(points, y)) {
        const int before = winding;
        winding += c.direction;
        if (before == 0 && winding != 0) {
            start = c.x;
        } else if (before != 0 && winding == 0) {
            const pixel_span s{first_pixel_from(start), first_pixel_from(c.x)};
            if (s.right > s.left)
                spans.push_back(s);
        }
    }
    return spans;
}

row_range polygon_rows(std::span<const pixel_point> points)
{
    if (points.empty())
        return {};
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const pixel_point& a, const pixel_point& b) { return a.y < b.y; });
    return {low->y, high->y};
}

bool polygon_region::contains(int x, int y) const
{
    for (const pixel_span& s : polygon_row_spans(points_, y))
        if (x >= s.left && x < s.right)
            return true;
    return false;
}

} // namespace platform
