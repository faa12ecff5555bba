#include "platform/core/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace platform {
namespace {

// The first pixel whose centre lies at or right of x.
int first_pixel_from(double x)
{
    return static_cast<int>(std::ceil(x - 0.5));
}

} // namespace

// A row's centre line y + 0.5 lies between whole rows, so it never meets a
// point: a side crosses it when one end lies at or above row y and the other
// below it. Level sides cross no centre line.
polygon_scan::polygon_scan(std::span<const pixel_point> points)
{
    if (points.size() < 3)
        return;
    const std::size_t n = points.size();
    sides_.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const pixel_point a = points[i];
        const pixel_point b = points[(i + 1) % n];
        if (a.y != b.y)
            sides_.push_back({a, b, std::min(a.y, b.y), std::max(a.y, b.y)});
    }
    crossings_.reserve(sides_.size());
}

const std::vector<pixel_span>& polygon_scan::row_spans(int y)
{
    spans_.clear();
    crossings_.clear();
    const double centre = y + 0.5;
    for (const side& s : sides_) {
        if (y < s.top || y >= s.bottom)
            continue;
        const pixel_point a = s.from, b = s.to;
        const double x = a.x + (centre - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y);
        crossings_.push_back({x, b.y > a.y ? 1 : -1});
    }
    std::sort(crossings_.begin(), crossings_.end(), [](const crossing& l, const crossing& r) { return l.x < r.x; });
    int winding = 0;
    double start = 0;
    for (const crossing& c : crossings_) {
        const int before = winding;
        winding += c.direction;
        if (before == 0 && winding != 0) {
            start = c.x;
        } else if (before != 0 && winding == 0) {
            const pixel_span s{first_pixel_from(start), first_pixel_from(c.x)};
            if (s.right > s.left)
                spans_.push_back(s);
        }
    }
    return spans_;
}

std::vector<pixel_span> polygon_row_spans(std::span<const pixel_point> points, int y)
{
    return polygon_scan(points).row_spans(y);
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
