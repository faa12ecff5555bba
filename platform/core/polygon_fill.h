#pragma once
// Which pixels a polygon covers, by the winding rule: pixel (x, y) belongs
// to it when its centre (x + 0.5, y + 0.5) has a non-zero winding number.
// The image canvas fills polygons this way and a polygon region answers
// containment the same way, so a click on a filled pixel is in its region.
// The polygon is closed from its last point back to its first.

#include "platform/core/pixel_point.h"

#include <span>
#include <vector>

namespace platform {

struct pixel_span {
    int left = 0;    // first pixel
    int right = 0;   // one past the last pixel
};

// One polygon asked for row after row: its sloped sides are sorted out once
// and the lists are reused, so a row costs no allocation.
class polygon_scan {
public:
    explicit polygon_scan(std::span<const pixel_point> points);
    // The covered stretches of row y, left to right; valid until the next call.
    const std::vector<pixel_span>& row_spans(int y);

private:
    struct side {
        pixel_point from, to;
        int top, bottom;   // the rows whose centres it crosses: top <= y < bottom
    };
    struct crossing {
        double x;
        int direction;   // +1 where the outline runs down, -1 where it runs up
    };
    std::vector<side> sides_;
    std::vector<crossing> crossings_;
    std::vector<pixel_span> spans_;
};

// The covered stretches of row y, left to right.
std::vector<pixel_span> polygon_row_spans(std::span<const pixel_point> points, int y);

// Calls visit(y, span) for the covered stretches of rows top..bottom - 1.
template <class Visit>
void for_each_polygon_span(std::span<const pixel_point> points, int top, int bottom, Visit&& visit)
{
    polygon_scan scan(points);
    for (int y = top; y < bottom; ++y)
        for (const pixel_span& s : scan.row_spans(y))
            visit(y, s);
}

// The rows a polygon can cover: from its topmost point to its bottommost, excluded.
struct row_range {
    int top = 0;
    int bottom = 0;
};
row_range polygon_rows(std::span<const pixel_point> points);

// A polygon kept for asking which pixels it covers.
class polygon_region {
public:
    polygon_region() = default;
    explicit polygon_region(std::span<const pixel_point> points) : points_(points.begin(), points.end()) {}

    bool empty() const { return points_.size() < 3; }
    bool contains(int x, int y) const;

private:
    std::vector<pixel_point> points_;
};

} // namespace platform
