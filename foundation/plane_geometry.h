#pragma once
// Points and angles in the plane. Angles are radians in [0, 2*pi).

#include "platform/core/pixel_point.h"

#include <cstdint>

namespace foundation {

struct Tpoint {
    long double x = 0;
    long double y = 0;
};

// The canvas's pixel point: drawing code hands these to the canvas as they are.
using Tinteger_point = platform::pixel_point;

inline constexpr long double two_pi = 6.283185307179586476925286766559L;
inline constexpr long double pi = 3.1415926535897932384626433832795L;

bool points_equal(Tinteger_point a, Tinteger_point b);

long double distance(Tpoint p, Tpoint q);
long double normalize_angle(long double a);
long double direction_angle(long double dx, long double dy);
long double angle_of(Tpoint p, Tpoint q);
bool angle_in_arc(long double low, long double high, long double a, long double margin);
bool angle_in_corner(Tpoint p0, Tpoint p1, Tpoint apex, Tpoint p, long double margin);
long double signed_line_distance(Tpoint p0, Tpoint p1, Tpoint p);
long double segment_distance(Tpoint p0, Tpoint p1, Tpoint p);

} // namespace foundation
