#pragma once
// The sides of a surface's outline, in a solid or in a picture (both hold
// numbered closed vertex lists): a surface with a hole runs out to it along
// a bridge and back along the same side, so the bridge bounds nothing.

#include "geometry/solid.h"

#include <algorithm>

// The corners of surface s, never more than a list can hold.
template <class Outlines>
int outline_corners(const Outlines& outlines, int s)
{
    return std::clamp<int>(outlines.surface_length[s], 1, max_surface_entries) - 1;
}

// Whether the outline of surface s runs its side from entry i the other way too.
template <class Outlines>
bool side_is_bridge(const Outlines& outlines, int s, int i)
{
    const Tsurface_list& list = outlines.surface_vertices[s];
    for (int j = 1; j <= outline_corners(outlines, s); ++j)
        if (list[j] == list[i + 1] && list[j + 1] == list[i])
            return true;
    return false;
}

// Winding number of the outline of surface s of a solid around (x, y) in
// the drawing plane: 0 outside it and in a hole.
inline int outline_winding(const Tsolid& solid, int s, long double x, long double y)
{
    int w = 0;
    for (int i = 1; i <= solid.corner_count(s); ++i) {
        const Tpoint3d& p = solid.corner(s, i);
        const Tpoint3d& q = solid.corner(s, i + 1);
        const long double cross = (q.x - p.x) * (y - p.y) - (x - p.x) * (q.y - p.y);
        if (p.y <= y && q.y > y && cross > 0)
            ++w;
        else if (p.y > y && q.y <= y && cross < 0)
            --w;
    }
    return w;
}
