#include "geometry/model/kernel.h"

#include "foundation/messages.h"
#include "geometry/model/outline_sides.h"
#include "platform/core/message_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace foundation;

namespace geometry::model {

namespace {

constexpr long double e = kernel_tolerance;
constexpr long double degenerate = 0.01L;

struct box {
    Tpoint3d low;
    Tpoint3d high;
};

box bounding_box(const Tsolid& solid, int s)
{
    box b{solid.corner(s, 1), solid.corner(s, 1)};
    for (int i = 2; i < solid.surface_length[s]; ++i) {
        const Tpoint3d& p = solid.corner(s, i);
        b.low = {std::min(b.low.x, p.x), std::min(b.low.y, p.y), std::min(b.low.z, p.z)};
        b.high = {std::max(b.high.x, p.x), std::max(b.high.y, p.y), std::max(b.high.z, p.z)};
    }
    return b;
}

// Whether the boxes leave room for a lying behind b.
bool boxes_allow_hiding(const box& a, const box& b)
{
    return a.high.x >= b.low.x + e && a.low.x <= b.high.x - e && a.high.y >= b.low.y + e &&
           a.low.y <= b.high.y - e && a.low.z <= b.high.z - e;
}

bool too_short(long double dx, long double dy)
{
    return std::fabs(dx) < degenerate && std::fabs(dy) < degenerate;
}

// Whether edge p1-p2 crosses edge p3-p4 in the picture at a point where it
// lies further away. Edges that share a vertex never do.
bool edge_passes_behind(const Tsolid& solid, int p1, int p2, int p3, int p4)
{
    if (p1 == p3 || p1 == p4 || p2 == p3 || p2 == p4)
        return false;
    const Tpoint3d &a = solid.vertices[p1], &b = solid.vertices[p2], &c = solid.vertices[p3], &d = solid.vertices[p4];
    const long double d1x = b.x - a.x, d1y = b.y - a.y;
    const long double d2x = d.x - c.x, d2y = d.y - c.y;
    const long double wx = d.x - a.x, wy = d.y - a.y;
    if (too_short(d1x, d1y) || too_short(d2x, d2y))
        return false;
    const long double det = d1x * d2y - d2x * d1y;
    if (std::fabs(det) <= e)
        return false;
    const long double t = (wx * d2y - d2x * wy) / det;   // along p1-p2
    const long double u = (d1x * wy - wx * d1y) / det;   // along p4-p3
    const long double z1 = a.z + t * (b.z - a.z);
    const long double z2 = d.z + u * (c.z - d.z);
    return z1 - z2 < -e && -e < t && t < 1 + e && -e < u && u < 1 + e;
}

bool outlines_cross_behind(const Tsolid& solid, int a, int b)
{
    const Tsurface_list& la = solid.surface_vertices[a];
    const Tsurface_list& lb = solid.surface_vertices[b];
    for (int i = 1; i < solid.surface_length[a]; ++i)
        for (int j = 1; j < solid.surface_length[b]; ++j)
            if (edge_passes_behind(solid, la[i], la[i + 1], lb[j], lb[j + 1]))
                return true;
    return false;
}

long double distance_to_side(long double x, long double y, const Tpoint3d& p, const Tpoint3d& q)
{
    const long double dx = q.x - p.x, dy = q.y - p.y;
    const long double l2 = dx * dx + dy * dy;
    const long double t = l2 > 0 ? std::clamp(((x - p.x) * dx + (y - p.y) * dy) / l2, 0.0L, 1.0L) : 0;
    return std::hypot(p.x + t * dx - x, p.y + t * dy - y);
}

// Inside the outline of surface s and not on it.
bool well_inside(const Tsolid& solid, int s, const Tpoint3d& point)
{
    for (int i = 1; i <= solid.corner_count(s); ++i)
        if (distance_to_side(point.x, point.y, solid.corner(s, i), solid.corner(s, i + 1)) <= e)
            return false;
    return outline_winding(solid, s, point.x, point.y) != 0;
}

// The depth of surface s's plane over (x, y); false when it is seen edge-on.
bool plane_depth(const Tsolid& solid, int s, long double x, long double y, long double& z)
{
    const Tpoint3d n = surface_normal(solid, s);
    if (std::fabs(n.z) <= e * e)
        return false;
    const Tpoint3d& p = solid.corner(s, 1);
    z = p.z - (n.x * (x - p.x) + n.y * (y - p.y)) / n.z;
    return true;
}

// -1 when a corner of surface `inner` lying well inside the outline of
// `outer` lies behind outer's plane, 1 when in front of it; 0 when no
// corner tells.
int depth_order_at_inner_corner(const Tsolid& solid, int inner, int outer)
{
    for (int i = 1; i <= solid.corner_count(inner); ++i) {
        const Tpoint3d& p = solid.corner(inner, i);
        long double z = 0;
        if (!well_inside(solid, outer, p) || !plane_depth(solid, outer, p.x, p.y, z))
            continue;
        if (p.z < z - e)
            return -1;
        if (p.z > z + e)
            return 1;
    }
    return 0;
}

// Outlines that do not cross can still overlap: one lies wholly within the
// other. Then a corner of the inner one lies well inside the outer one,
// and the depths there tell which lies behind.
bool within_behind(const Tsolid& solid, int a, int b)
{
    return depth_order_at_inner_corner(solid, a, b) < 0 || depth_order_at_inner_corner(solid, b, a) > 0;
}

bool hidden_within(const Tsolid& solid, int a, const box& box_a, int b, const box& box_b, hiding_rule rule)
{
    return boxes_allow_hiding(box_a, box_b) &&
           (outlines_cross_behind(solid, a, b) || (rule == hiding_rule::crossings_and_containment && within_behind(solid, a, b)));
}

struct sorter {
    const Tsolid& solid;
    Tdrawing_order& order;
    hiding_rule rule;
    std::array<box, max_surfaces + 1> boxes{};   // by surface number

    bool hidden(int a, int b) const { return hidden_within(solid, a, boxes[a], b, boxes[b], rule); }

    // The first position after i whose surface lies behind the one at i; 0 when none.
    int first_hidden_after(int i, int last) const
    {
        for (int j = i + 1; j <= last; ++j)
            if (hidden(order[j], order[i]))
                return j;
        return 0;
    }

    // Moves surfaces forward until the one at i hides none after it. A cycle
    // of surfaces hiding each other would swap for ever: after last + 1 tries
    // the position is left as it is, with a message.
    void settle(int i, int last)
    {
        for (int tries = 1; tries <= last + 1; ++tries) {
            const int j = first_hidden_after(i, last);
            if (j == 0)
                return;
            std::swap(order[i], order[j]);
        }
        show_message("object has 2 surfaces which hide each other!", platform::MB_ICONERROR);
    }

    void sort(int first, int last)
    {
        for (int i = first; i <= last; ++i)
            boxes[order[i]] = bounding_box(solid, order[i]);
        for (int i = first; i < last; ++i)
            settle(i, last);
    }
};

} // namespace

bool surface_hidden_by(const Tsolid& solid, int a, int b)
{
    return boxes_allow_hiding(bounding_box(solid, a), bounding_box(solid, b)) && outlines_cross_behind(solid, a, b);
}

bool surface_within_behind(const Tsolid& solid, int a, int b)
{
    return boxes_allow_hiding(bounding_box(solid, a), bounding_box(solid, b)) && within_behind(solid, a, b);
}

int order_surfaces(const Tsolid& solid, const Tvisibility& visible, Tdrawing_order& order, hiding_rule rule)
{
    int m = 0;
    for (int s = 1; s <= solid.surface_count; ++s)
        if (visible[s] && solid.surface_sorted[s] != 0)
            order[++m] = static_cast<std::uint8_t>(s);
    sorter{solid, order, rule}.sort(1, m);
    int position = m;
    for (int s = 1; s <= solid.surface_count; ++s)
        if (visible[s] && solid.surface_sorted[s] == 0)
            order[++position] = static_cast<std::uint8_t>(s);
    order[position + 1] = 0;
    return position + 1;
}

} // namespace geometry::model
