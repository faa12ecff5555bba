// The cut as a whole and its first two steps: what stays below the plane
// and the trimmed outlines.
#include "geometry/model/cut_steps.h"

#include "foundation/messages.h"
#include "platform/core/message_box.h"

#include <cmath>

using namespace foundation;

namespace geometry::model {

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

void cut_solid(Tsolid& solid, bool& success, std::int32_t& section_count, bool& bridged)
{
    const Tsolid given = solid;
    route_bridges_off_the_plane(solid);
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
        solid = given;
    bridged = was_bridged;
    success = done;
}

} // namespace geometry::model
