#include "geometry/model/rounding.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/line_walk.h"

#include <array>

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

void draw_arrow_outline(Tinteger_point tail, Tinteger_point head, const pixel_rule& rule)
{
    const int x0 = tail.x, y0 = tail.y, x1 = head.x, y1 = head.y;
    const int dx = x1 - x0;
    const int dy = round_to_pixel((y1 - y0) * aspect);
    const int a = dx / 10;
    const int b = dy / 10;
    const int shaft = round_to_pixel(b * aspect);
    const Tinteger_point q1{x0 - shaft, y0 + a};
    const Tinteger_point q2{x1 - shaft, y1 + a};
    const Tinteger_point q3{q2.x - round_to_pixel(dy * aspect / 5), q2.y + dx / 5};
    const Tinteger_point q4{x1 + round_to_pixel(dx * aspect / 3), y1 + dy / 3};
    const Tinteger_point q6{x1 + shaft, y1 - a};
    const Tinteger_point q7{q6.x + round_to_pixel(dy * aspect / 5), q6.y - dx / 5};
    const Tinteger_point q5{x0 + shaft, y0 - a};
    const std::array<Tinteger_point, 8> path{q1, q2, q3, q4, q7, q6, q5, q1};
    for (std::size_t i = 1; i < path.size(); ++i)
        if (!points_equal(path[i - 1], path[i]))
            platform::walk_line(path[i - 1], path[i], rule);
}

void draw_cross(platform::Canvas& canvas, Tinteger_point point, platform::colour_ref colour)
{
    const platform::pen previous = canvas.pen();
    canvas.set_pen({colour, 3, platform::pen_style::solid});
    canvas.line({point.x - 3, point.y}, {point.x + 3, point.y});
    canvas.line({point.x, point.y - 3}, {point.x, point.y + 3});
    canvas.set_pen(previous);
}

void draw_rectangle_outline(platform::Canvas& dc, const platform::pixel_rect& r)
{
    const Tinteger_point corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom},
                                      {r.left, r.top}};
    dc.polyline(corners);
}

void draw_bitmap_at(platform::Canvas& dc, const platform::bitmap& bitmap, Tinteger_point point,
                    platform::raster_operation raster_operation)
{
    if (!bitmap.empty())
        dc.draw_bitmap(point.x, point.y, bitmap, raster_operation);
}

} // namespace geometry::drawing
