// Step 3 of a cut: every trimmed outline started where its first corners
// give a sound normal, faces left in the plane kept or dropped, and
// outlines that the cut turned into several pieces split apart.
#include "geometry/model/cut_steps.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace geometry::model {

namespace {

constexpr long double eps = cut_tolerance;

} // namespace

namespace {

bool sound_normal(const Tpoint3d& n, const Tpoint3d& reference)
{
    const bool some = std::fabs(n.x) > 1e-8L || std::fabs(n.y) > 1e-8L || std::fabs(n.z) > 1e-8L;
    return some && n.x * reference.x >= -eps && n.y * reference.y >= -eps && n.z * reference.z >= -eps;
}

long double length_of(const Tpoint3d& n) { return std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z); }

// Turns the outline by one corner: the second becomes the first.
void turn_outline(Tsolid& solid, int s)
{
    const int corners = solid.corner_count(s);
    Tsurface_list& list = solid.surface_vertices[s];
    if (corners >= 1) {
        std::rotate(list.begin() + 1, list.begin() + 2, list.begin() + corners + 1);
        list[corners + 1] = list[1];
    }
}

} // namespace

// A start whose first three corners almost coincide or lie almost in line
// gives a normal of the right sign but so short that the test for facing
// the viewer misjudges the surface when it is seen nearly edge-on, so a
// start whose normal is at least a hundredth of the longest is preferred.
void choose_outline_start(Tsolid& solid, const Tpoint3d& reference, int s, bool& failed)
{
    if (failed)
        return;
    const int corners = std::max(solid.corner_count(s), 1);
    long double longest = 0;
    for (int k = 1; k <= corners; ++k, turn_outline(solid, s))
        longest = std::max(longest, length_of(surface_normal(solid, s)));
    for (int k = 1; k <= corners; ++k, turn_outline(solid, s)) {
        const Tpoint3d n = surface_normal(solid, s);
        if (sound_normal(n, reference) && length_of(n) >= longest / 100)
            return;
    }
    for (int attempt = 1; attempt <= 100; ++attempt, turn_outline(solid, s))
        if (sound_normal(surface_normal(solid, s), reference))
            return;
    report_cut_failure("surface too small?", failed);
}

namespace {

bool faces_plus_z(const Tpoint3d& n)
{
    return n.z > eps && std::fabs(n.x / n.z) < eps && std::fabs(n.y / n.z) < eps;
}

int corners_on_plane(const Tsolid& solid, int s)
{
    int m = 0;
    for (int j = 1; j <= solid.corner_count(s); ++j)
        m += on_plane(solid.corner(s, j)) ? 1 : 0;
    return m;
}

// The corners on the plane, ordered along the line where the surface's
// plane meets z = 0, in the direction its outline runs there.
int sorted_plane_corners(const Tsolid& solid, int s, const Tpoint3d& n, std::array<int, max_surface_entries + 1>& order)
{
    const auto position = [&](int j) { return solid.corner(s, j).x * n.y - solid.corner(s, j).y * n.x; };
    int count = 0;
    for (int j = 1; j <= solid.corner_count(s); ++j)
        if (on_plane(solid.corner(s, j)))
            order[++count] = j;
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 2; i <= count; ++i)
            if (position(order[i]) < position(order[i - 1])) {
                std::swap(order[i], order[i - 1]);
                swapped = true;
            }
    }
    return count;
}

// Each side along the plane is sent on to the next corner on the plane
// instead, so that pieces joined only across the plane come apart.
std::array<int, max_surface_entries + 1> relinked_successors(const Tsolid& solid, int s, const Tpoint3d& n)
{
    const int corners = solid.corner_count(s);
    std::array<int, max_surface_entries + 1> next{};
    for (int j = 1; j <= corners; ++j)
        next[j] = j % corners + 1;
    std::array<int, max_surface_entries + 1> order{};
    const int count = sorted_plane_corners(solid, s, n, order);
    const Tsurface_list& list = solid.surface_vertices[s];
    for (int at = 1; at <= count; ++at) {
        const int j = order[at];
        if (!on_plane(solid.corner(s, next[j])))
            continue;
        for (int later = at + 1; later <= count; ++later)
            if (list[order[later]] != list[j]) {
                next[j] = order[later];
                break;
            }
    }
    return next;
}

// The closed loop that following the successors from `start` runs into, as
// a closed list (length 0 when the path runs into an earlier loop); every
// corner on the way is used up. Corners on the way to the loop but not on
// it are a spike that the relinking cut off.
Tsurface_list trace_loop(const Tsurface_list& list, const std::array<int, max_surface_entries + 1>& next, int start,
                         std::array<bool, max_surface_entries + 1>& used, int& length)
{
    std::array<int, max_surface_entries + 1> place{};   // in the path, from 1
    std::array<int, max_surface_entries + 1> path{};
    int steps = 0, j = start;
    while (!used[j] && place[j] == 0) {
        place[j] = ++steps;
        path[steps] = j;
        j = next[j];
    }
    for (int k = 1; k <= steps; ++k)
        used[path[k]] = true;
    Tsurface_list loop{};
    length = 0;
    if (place[j] == 0)
        return loop;
    for (int k = place[j]; k <= steps; ++k)
        loop[++length] = list[path[k]];
    loop[++length] = list[j];
    return loop;
}

// Each loop of the relinked outline becomes a surface: the first in place
// of the surface, the others new ones of its colour. Spikes along the plane
// and loops of fewer than three corners have no area and are left out.
void split_surface(Tsolid& solid, int s, const Tpoint3d& n, bool& failed)
{
    const Tsurface_list list = solid.surface_vertices[s];
    const int corners = solid.corner_count(s);
    const auto next = relinked_successors(solid, s, n);
    std::array<bool, max_surface_entries + 1> used{};
    int target = s;
    solid.surface_length[s] = 0;
    for (int start = 1; start <= corners && !failed; ++start) {
        if (used[start])
            continue;
        int length = 0;
        const Tsurface_list loop = trace_loop(list, next, start, used, length);
        if (length < 4)
            continue;
        if (target != s) {
            if (solid.surface_count >= max_surfaces) {
                report_cut_failure("too many surfaces!", failed);
                return;
            }
            target = ++solid.surface_count;
            solid.surface_colour[target] = solid.surface_colour[s];
            solid.surface_sorted[target] = solid.surface_sorted[s];
        }
        solid.surface_vertices[target] = loop;
        solid.surface_length[target] = static_cast<std::uint8_t>(length);
        choose_outline_start(solid, n, target, failed);
        target = 0;
    }
}

void remove_dropped_surfaces(Tsolid& solid)
{
    int kept = 0;
    for (int s = 1; s <= solid.surface_count; ++s) {
        if (solid.surface_length[s] == 0)
            continue;
        ++kept;
        solid.surface_length[kept] = solid.surface_length[s];
        solid.surface_vertices[kept] = solid.surface_vertices[s];
        solid.surface_colour[kept] = solid.surface_colour[s];
        solid.surface_sorted[kept] = solid.surface_sorted[s];
    }
    solid.surface_count = kept;
}

} // namespace

void split_cut_surfaces(Tsolid& solid, Tcut_work& work)
{
    // The uncut outlines give the outward normals: a trimmed outline may
    // start at a corner that turns the other way.
    for (int k = 1; k <= solid.surface_count; ++k)
        work.normals[k] = surface_normal(work.original, work.old_surface[k]);
    const int existing = solid.surface_count;
    for (int s = 1; s <= existing && !work.failed; ++s) {
        const int corners = solid.corner_count(s);
        const int m = corners_on_plane(solid, s);
        if (corners < 3 || (m == corners && !faces_plus_z(work.normals[s])))
            solid.surface_length[s] = 0;
        else if (m == corners || m < 3)
            choose_outline_start(solid, work.normals[s], s, work.failed);
        else
            split_surface(solid, s, work.normals[s], work.failed);
    }
    remove_dropped_surfaces(solid);
}

} // namespace geometry::model
