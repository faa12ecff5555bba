// The cut as a whole and its first three steps: what stays below the
// plane, the trimmed outlines, and the outlines the cut split in pieces.
#include "geometry/cut_steps.h"

#include "foundation/messages.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr long double eps = cut_tolerance;

bool below_plane(const Tpoint3d& p) { return p.z < -eps; }

// Kept when a kept corner lies below the plane, or when the outline starts
// (and so ends) on the plane.
bool surface_stays(const Tsolid& original, int s, const Tcut_work& work)
{
    const int length = original.corner_count(s) + 1;
    for (int j = 1; j <= length; ++j) {
        const int v = original.surface_vertices[s][j];
        if (work.new_number[v] != 0 && below_plane(original.vertices[v]))
            return true;
    }
    const int last = original.surface_vertices[s][length];
    return work.new_number[last] != 0 && on_plane(original.vertices[last]);
}

} // namespace

void report_cut_failure(const std::string& reason, bool& failed)
{
    if (!failed)
        show_message("Cutting on XY-plane impossible: " + reason, platform::MB_ICONINFORMATION);
    failed = true;
}

void keep_lower_part(Tsolid& solid, Tcut_work& work)
{
    const Tsolid& original = work.original;
    solid.vertex_count = 0;
    for (int v = 1; v <= original.vertex_count; ++v) {
        work.new_number[v] = 0;
        if (original.vertices[v].z < eps) {
            solid.vertices[++solid.vertex_count] = original.vertices[v];
            work.new_number[v] = static_cast<std::uint8_t>(solid.vertex_count);
        }
    }
    solid.surface_count = 0;
    for (int s = 1; s <= original.surface_count; ++s) {
        if (!surface_stays(original, s, work))
            continue;
        const int k = ++solid.surface_count;
        solid.surface_length[k] = original.surface_length[s];
        for (int j = 1; j <= original.corner_count(s) + 1; ++j)
            solid.surface_vertices[k][j] = work.new_number[original.surface_vertices[s][j]];
        solid.surface_colour[k] = original.surface_colour[s];
        solid.surface_sorted[k] = original.surface_sorted[s];
        work.old_surface[k] = static_cast<std::uint8_t>(s);
    }
}

int plane_crossing_vertex(Tsolid& solid, const Tpoint3d& p, const Tpoint3d& q, bool& failed)
{
    const long double s = p.z / (p.z - q.z);
    const Tpoint3d crossing{p.x + s * (q.x - p.x), p.y + s * (q.y - p.y), 0};
    for (int v = 1; v <= solid.vertex_count; ++v) {
        const Tpoint3d& there = solid.vertices[v];
        if (on_plane(there) && std::fabs(there.x - crossing.x) < eps && std::fabs(there.y - crossing.y) < eps)
            return v;
    }
    if (solid.vertex_count >= max_vertices) {
        report_cut_failure("te veel snijpunten", failed);
        return 0;
    }
    solid.vertices[++solid.vertex_count] = crossing;
    return solid.vertex_count;
}

namespace {

// A vertex list being built; the 21st entry fails the cut.
struct outline_builder {
    Tsurface_list entries{};
    int length = 0;

    void append(int v, const char* reason, bool& failed)
    {
        if (failed)
            return;
        if (length == max_surface_entries) {
            report_cut_failure(reason, failed);
            return;
        }
        entries[++length] = static_cast<std::uint8_t>(v);
    }

    void close(const char* reason, bool& failed)
    {
        if (length > 0 && entries[1] != entries[length])
            append(entries[1], reason, failed);
    }
};

// The outline of kept surface k as it was, walked side by side, with the
// crossings of the plane put in.
void clip_surface(Tsolid& solid, int k, Tcut_work& work)
{
    constexpr const char* too_many = "Surface with too many vertices";
    const Tsolid& original = work.original;
    const int s = work.old_surface[k];
    const auto in = [&](int v) { return work.new_number[v] != 0; };
    const auto on = [&](int v) { return in(v) && on_plane(original.vertices[v]); };
    outline_builder outline;
    for (int j = 1; j <= original.corner_count(s) && !work.failed; ++j) {
        const int p = original.surface_vertices[s][j], q = original.surface_vertices[s][j + 1];
        const bool crossing = in(q) ? !in(p) && !on(q) : in(p) && !on(p);
        if (crossing) {
            const int c = plane_crossing_vertex(solid, original.vertices[p], original.vertices[q], work.failed);
            outline.append(c, too_many, work.failed);
        }
        if (in(q))
            outline.append(work.new_number[q], too_many, work.failed);
    }
    outline.close(too_many, work.failed);
    solid.surface_vertices[k] = outline.entries;
    solid.surface_length[k] = static_cast<std::uint8_t>(outline.length);
}

} // namespace

void clip_surfaces_at_plane(Tsolid& solid, Tcut_work& work)
{
    for (int k = 1; k <= solid.surface_count && !work.failed; ++k)
        clip_surface(solid, k, work);
}

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

void cut_solid(Tsolid& solid, bool& success, std::int32_t& section_count, bool& bridged)
{
    Tcut_work work;
    work.original = solid;
    bool was_bridged = false;
    keep_lower_part(solid, work);
    clip_surfaces_at_plane(solid, work);
    if (!work.failed)
        split_cut_surfaces(solid, work);
    if (!work.failed)
        collect_section_lines(solid, work);
    if (!work.failed)
        section_count = build_section_surfaces(solid, work, was_bridged);
    if (!work.failed && !collect_edges(solid, section_count))
        report_cut_failure("too many edges", work.failed);
    const bool done = !work.failed && solid.vertex_count > 0 && section_count > 0;
    if (!done)
        solid = work.original;
    bridged = was_bridged;
    success = done;
}
