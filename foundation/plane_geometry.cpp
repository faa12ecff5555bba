#include "foundation/plane_geometry.h"

#include <cmath>

namespace foundation {

bool points_equal(Tinteger_point a, Tinteger_point b) { return a.x == b.x && a.y == b.y; }

long double distance(Tpoint p, Tpoint q) { return std::hypot(q.x - p.x, q.y - p.y); }

long double normalize_angle(long double a)
{
    long double r = a - std::trunc(a / two_pi) * two_pi;
    if (std::fabs(r) < 0.000001L)
        return 0;
    if (r < 0)
        r += two_pi;
    return r;
}

long double direction_angle(long double dx, long double dy)
{
    long double a;
    if (std::fabs(dx) < std::fabs(dy) / 200000 || dx == 0)
        a = dy > 0 ? pi / 2 : -pi / 2;
    else {
        a = std::atan(dy / dx);
        if (dx < 0)
            a += pi;
    }
    return normalize_angle(a);
}

long double angle_of(Tpoint p, Tpoint q) { return direction_angle(q.x - p.x, q.y - p.y); }

bool angle_in_arc(long double low, long double high, long double a, long double margin)
{
    if (margin != 0)
        return angle_in_arc(normalize_angle(low - margin), normalize_angle(high + margin), a, 0);
    if (high > low)
        return low <= a && a <= high;
    return a >= low || a <= high;
}

bool angle_in_corner(Tpoint p0, Tpoint p1, Tpoint apex, Tpoint p, long double margin)
{
    return angle_in_arc(angle_of(apex, p0), angle_of(apex, p1), angle_of(apex, p), margin);
}

long double signed_line_distance(Tpoint p0, Tpoint p1, Tpoint p)
{
    const long double length = distance(p0, p1);
    if (length == 0)
        return distance(p0, p);
    return ((p1.y - p0.y) * (p.x - p0.x) - (p1.x - p0.x) * (p.y - p0.y)) / length;
}

long double segment_distance(Tpoint p0, Tpoint p1, Tpoint p)
{
    const long double length = distance(p0, p1);
    const long double d0 = distance(p, p0);
    const long double d1 = distance(p, p1);
    if (length >= d0 && length >= d1)
        return std::fabs(signed_line_distance(p0, p1, p));
    return d0 < d1 ? d0 : d1;
}

} // namespace foundation
