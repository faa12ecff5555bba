#pragma once
// The sides of a surface's outline, in a solid or in a picture (both hold
// numbered closed vertex lists): a surface with a hole runs out to it along
// a bridge and back along the same side, so the bridge bounds nothing.

#include "geometry/model/solid.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace geometry::model {

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

// An outline without its bridges: loops of vertex numbers in outline
// order, the loop of the outline's first corner first; the others are its
// holes.
struct Toutline_loops {
    int count = 0;
    std::array<int, max_surface_entries> first{};    // where each loop starts in `vertices`
    std::array<int, max_surface_entries> length{};
    std::array<std::uint8_t, max_surface_entries> vertices{};
};

// The loops of a closed vertex list of `corners` corners (entries 1 to
// corners, entry corners + 1 repeating entry 1); false when its sides,
// bridges aside, do not fall into loops of three or more corners that
// meet nowhere.
bool split_into_loops(const Tsurface_list& list, int corners, Toutline_loops& loops);

} // namespace geometry::model
