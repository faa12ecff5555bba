// Before a cut: the bridges that join holes to their surface's outline are
// laid off the plane, so that trimming keeps a bridge whole or drops it
// whole and never leaves a piece of one behind.
#include "geometry/model/cut_steps.h"
#include "geometry/model/outline_sides.h"

#include <cmath>

namespace geometry::model {

namespace {

constexpr long double eps = cut_tolerance;

// A point of the surface's plane in two of its coordinates, the pair that
// shows the surface largest.
struct flat_point {
    long double u = 0;
    long double v = 0;
};

class surface_plane {
public:
    surface_plane(const Tsolid& solid, int s) : solid_(solid)
    {
        const Tpoint3d n = surface_normal(solid, s);
        drop_ = std::fabs(n.x) >= std::fabs(n.y) && std::fabs(n.x) >= std::fabs(n.z) ? 0 : std::fabs(n.y) >= std::fabs(n.z) ? 1 : 2;
    }

    flat_point at(int v) const
    {
        const Tpoint3d& p = solid_.vertices[static_cast<std::size_t>(v)];
        return drop_ == 0 ? flat_point{p.y, p.z} : drop_ == 1 ? flat_point{p.z, p.x} : flat_point{p.x, p.y};
    }

private:
    const Tsolid& solid_;
    int drop_ = 2;
};

long double turn(flat_point a, flat_point b, flat_point c)
{
    return (b.u - a.u) * (c.v - a.v) - (b.v - a.v) * (c.u - a.u);
}

// Whether segments a-b and c-d meet, touching included.
bool segments_meet(flat_point a, flat_point b, flat_point c, flat_point d)
{
    const long double d1 = turn(c, d, a), d2 = turn(c, d, b), d3 = turn(a, b, c), d4 = turn(a, b, d);
    if (((d1 > eps && d2 < -eps) || (d1 < -eps && d2 > eps)) && ((d3 > eps && d4 < -eps) || (d3 < -eps && d4 > eps)))
        return true;
    const auto on_segment = [](flat_point p, flat_point q, flat_point r, long double t) {
        return std::fabs(t) <= eps && std::min(p.u, q.u) - eps <= r.u && r.u <= std::max(p.u, q.u) + eps &&
               std::min(p.v, q.v) - eps <= r.v && r.v <= std::max(p.v, q.v) + eps;
    };
    return on_segment(c, d, a, d1) || on_segment(c, d, b, d2) || on_segment(a, b, c, d3) || on_segment(a, b, d, d4);
}

struct bridge {
    int outer_index = -1;   // in the outline's own loop
    int hole_index = 0;     // in the hole's loop
};

class bridge_router {
public:
    bridge_router(const Tsolid& solid, int s, const Toutline_loops& loops) : solid_(solid), plane_(solid, s), loops_(loops) {}

    int vertex(int loop, int i) const
    {
        const int n = loops_.length[static_cast<std::size_t>(loop)];
        return loops_.vertices[static_cast<std::size_t>(loops_.first[static_cast<std::size_t>(loop)] + ((i % n) + n) % n)];
    }

    // The shortest bridge from hole k to the outline that keeps strictly to
    // one side of the plane: the cut-away side when the hole reaches it.
    bool choose(int k)
    {
        const int side = reaches_above(k) ? 1 : -1;
        long double shortest = -1;
        for (int i = 0; i < loops_.length[0]; ++i)
            for (int j = 0; j < loops_.length[static_cast<std::size_t>(k)]; ++j) {
                const int o = vertex(0, i), h = vertex(k, j);
                if (!strictly(side, o) || !strictly(side, h) || !clear(o, h))
                    continue;
                const flat_point a = plane_.at(o), b = plane_.at(h);
                const long double length = std::hypot(a.u - b.u, a.v - b.v);
                if (shortest < 0 || length < shortest) {
                    shortest = length;
                    chosen_[static_cast<std::size_t>(k)] = {i, j};
                }
            }
        return shortest >= 0;
    }

    // Whether the outline with one bridge to each hole fits a vertex list.
    bool outline_fits() const
    {
        int entries = loops_.length[0] + 1;
        for (int k = 1; k < loops_.count; ++k)
            entries += loops_.length[static_cast<std::size_t>(k)] + 2;
        return entries <= max_surface_entries;
    }

    // The outline from its first corner, each hole's round entered from the
    // outline corner of its bridge (or, for its first corner, at the end).
    Tsurface_list outline(int& length) const
    {
        Tsurface_list list{};
        length = 0;
        const auto put = [&](int v) { list[static_cast<std::size_t>(++length)] = static_cast<std::uint8_t>(v); };
        const auto detours_at = [&](int i) {
            for (int k = 1; k < loops_.count; ++k) {
                const bridge& b = chosen_[static_cast<std::size_t>(k)];
                if (b.outer_index != i)
                    continue;
                for (int j = 0; j <= loops_.length[static_cast<std::size_t>(k)]; ++j)
                    put(vertex(k, b.hole_index + j));
                put(vertex(0, i));
            }
        };
        for (int i = 0; i < loops_.length[0]; ++i) {
            put(vertex(0, i));
            if (i > 0)
                detours_at(i);
        }
        for (int k = 1; k < loops_.count; ++k)
            if (chosen_[static_cast<std::size_t>(k)].outer_index == 0) {
                put(vertex(0, 0));
                detours_at(0);
                --length;   // the detour ends on the first corner, which closes the list
                break;
            }
        put(vertex(0, 0));
        return list;
    }

private:
    bool reaches_above(int k) const
    {
        for (int j = 0; j < loops_.length[static_cast<std::size_t>(k)]; ++j)
            if (solid_.vertices[static_cast<std::size_t>(vertex(k, j))].z > eps)
                return true;
        return false;
    }

    bool strictly(int side, int v) const
    {
        const long double z = solid_.vertices[static_cast<std::size_t>(v)].z;
        return side > 0 ? z > eps : z < -eps;
    }

    // The bridge meets no side of any loop nor a bridge chosen before, but
    // at its own ends, and runs through the surface, not through a hole.
    bool clear(int o, int h) const
    {
        const flat_point a = plane_.at(o), b = plane_.at(h);
        for (int k = 0; k < loops_.count; ++k)
            for (int i = 0; i < loops_.length[static_cast<std::size_t>(k)]; ++i) {
                const int p = vertex(k, i), q = vertex(k, i + 1);
                if (p != o && p != h && q != o && q != h && segments_meet(a, b, plane_.at(p), plane_.at(q)))
                    return false;
            }
        for (int k = 1; k < loops_.count; ++k) {
            const bridge& other = chosen_[static_cast<std::size_t>(k)];
            if (other.outer_index < 0)
                continue;
            const int p = vertex(0, other.outer_index), q = vertex(k, other.hole_index);
            if (p != o && q != h && segments_meet(a, b, plane_.at(p), plane_.at(q)))
                return false;
        }
        return inside_surface({(a.u + b.u) / 2, (a.v + b.v) / 2});
    }

    bool inside_loop(int k, flat_point m) const
    {
        bool inside = false;
        for (int i = 0; i < loops_.length[static_cast<std::size_t>(k)]; ++i) {
            const flat_point p = plane_.at(vertex(k, i)), q = plane_.at(vertex(k, i + 1));
            if ((p.v > m.v) != (q.v > m.v) && m.u < p.u + (m.v - p.v) * (q.u - p.u) / (q.v - p.v))
                inside = !inside;
        }
        return inside;
    }

    bool inside_surface(flat_point m) const
    {
        if (!inside_loop(0, m))
            return false;
        for (int k = 1; k < loops_.count; ++k)
            if (inside_loop(k, m))
                return false;
        return true;
    }

    const Tsolid& solid_;
    surface_plane plane_;
    const Toutline_loops& loops_;
    std::array<bridge, max_surface_entries> chosen_{};
};

// The plane meets the surface: it has corners on or on both sides of it.
bool plane_meets(const Tsolid& solid, int s)
{
    bool above = false, below = false;
    for (int i = 1; i <= solid.corner_count(s); ++i) {
        above |= solid.corner(s, i).z > -eps;
        below |= solid.corner(s, i).z < eps;
    }
    return above && below;
}

void route_bridges_of(Tsolid& solid, int s)
{
    Toutline_loops loops;
    if (!plane_meets(solid, s) || !split_into_loops(solid.surface_vertices[s], solid.corner_count(s), loops) ||
        loops.count < 2)
        return;
    bridge_router router(solid, s, loops);
    if (!router.outline_fits())
        return;
    for (int k = 1; k < loops.count; ++k)
        if (!router.choose(k))
            return;   // no bridge keeps off the plane: the cut takes the outline as it is
    int length = 0;
    const Tsurface_list list = router.outline(length);
    if (length != solid.surface_length[s])
        return;
    solid.surface_vertices[s] = list;
}

} // namespace

void route_bridges_off_the_plane(Tsolid& solid)
{
    for (int s = 1; s <= solid.surface_count; ++s)
        route_bridges_of(solid, s);
}

} // namespace geometry::model
