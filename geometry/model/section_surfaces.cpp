// Step 5 of a cut: the section lines chained into closed outlines, walked
// counter-clockwise seen from +z by always taking the sharpest turn to the
// left. A hole inside an outline is joined to it by a bridge there and
// back, so that one outline runs round both.
#include "geometry/model/cut_steps.h"

#include "foundation/plane_geometry.h"

#include <cmath>

using namespace foundation;

namespace geometry::model {

namespace {

constexpr long double eps = cut_tolerance;

// Beyond this many outlines (bridged ones included) a cut is given up.
constexpr int most_outlines = 200;

// The direction in which line `line` leaves `vertex`, one of its ends.
long double leaving_direction(const Tsection_line& line, int vertex)
{
    return vertex == line.from_vertex ? line.angle : normalize_angle(line.angle + pi);
}

int other_end(const Tsection_line& line, int vertex)
{
    return vertex == line.from_vertex ? line.to_vertex : line.from_vertex;
}

Tpoint plane_point(const Tsolid& solid, int v) { return {solid.vertices[v].x, solid.vertices[v].y}; }

// The right-hand end furthest right (highest of those as far right).
int start_vertex(const Tsolid& solid, const Tsection_lines& lines)
{
    int start = lines.lines[1].to_vertex;
    for (int i = 2; i <= lines.count; ++i) {
        const Tpoint3d& v = solid.vertices[lines.lines[i].to_vertex];
        const Tpoint3d& s = solid.vertices[start];
        if (v.x > s.x + eps || (std::fabs(v.x - s.x) < eps && v.y > s.y + eps))
            start = lines.lines[i].to_vertex;
    }
    return start;
}

// Walks from the start vertex until the first line comes round again; the
// outline becomes surface s. False when the walk fails.
bool walk_outline(Tsolid& solid, Tsection_lines& lines, int s, int start, bool& failed)
{
    const int first = find_connecting_line(lines, start, pi / 2, false, failed);
    if (first == 0)
        return false;
    Tsurface_list& list = solid.surface_vertices[s];
    int length = 2;
    list[1] = static_cast<std::uint8_t>(start);
    list[2] = static_cast<std::uint8_t>(other_end(lines.lines[first], start));
    int walked = first, at = list[2];
    for (;;) {
        const long double back = leaving_direction(lines.lines[walked], at);
        const int next = find_connecting_line(lines, at, back, true, failed);
        if (next == 0)
            return false;
        lines.lines[next].used = true;
        const int reached = other_end(lines.lines[next], at);
        if (at == list[1] && reached == list[2] && length > 2)
            break;
        if (length == max_surface_entries) {
            report_cut_failure("too many points", failed);
            return false;
        }
        list[++length] = static_cast<std::uint8_t>(reached);
        walked = next;
        at = reached;
    }
    solid.surface_length[s] = static_cast<std::uint8_t>(length);
    return true;
}

// Whether vertex v lies inside the outline of surface s, judged by the
// outline's nearest side or, when a corner is as near, by the angle there;
// `corner` is the nearer end of that side.
bool inside_outline(const Tsolid& solid, int s, int v, int& corner, long double& corner_distance)
{
    const int n = solid.corner_count(s);
    const Tsurface_list& list = solid.surface_vertices[s];
    for (int k = 1; k <= n; ++k)
        if (list[k] == v)
            return false;   // on the outline
    const Tpoint p = plane_point(solid, v);
    long double nearest = 10000;
    int side = 1;
    for (int k = 1; k <= n; ++k) {
        const long double d = segment_distance(plane_point(solid, list[k]), plane_point(solid, list[k + 1]), p);
        if (d < nearest) {
            nearest = d;
            side = k;
        }
    }
    const long double d0 = distance(p, plane_point(solid, list[side]));
    const long double d1 = distance(p, plane_point(solid, list[side + 1]));
    const int k = d1 < d0 ? side % n + 1 : side;
    corner = list[k];
    corner_distance = d1 < d0 ? d1 : d0;
    if (std::fabs(corner_distance - nearest) < eps) {
        const int before = list[k == 1 ? n : k - 1], after = list[k + 1];
        return angle_in_corner(plane_point(solid, after), plane_point(solid, before), plane_point(solid, corner), p, eps);
    }
    return signed_line_distance(plane_point(solid, list[side]), plane_point(solid, list[side + 1]), p) < 0;
}

// Of the ends of the unused lines inside outline s, the one nearest to an
// outline corner; false when none is inside.
bool enclosed_point(const Tsolid& solid, const Tsection_lines& lines, int s, int& point, int& corner)
{
    long double best = 0;
    point = 0;
    const auto consider = [&](int v) {
        int c = 0;
        long double d = 0;
        if (!inside_outline(solid, s, v, c, d))
            return false;
        if (point == 0 || d < best) {
            best = d;
            point = v;
            corner = c;
        }
        return true;
    };
    for (int i = 1; i <= lines.count; ++i)
        if (!lines.lines[i].used && consider(lines.lines[i].from_vertex))
            consider(lines.lines[i].to_vertex);
    return point != 0;
}

void delete_used_lines(Tsection_lines& lines)
{
    int kept = 0;
    for (int i = 1; i <= lines.count; ++i)
        if (!lines.lines[i].used)
            lines.lines[++kept] = lines.lines[i];
    lines.count = kept;
}

} // namespace

int find_connecting_line(const Tsection_lines& lines, int vertex, long double reference, bool largest, bool& failed)
{
    int best = 0;
    long double best_turn = 0;
    for (int i = 1; i <= lines.count; ++i) {
        const Tsection_line& line = lines.lines[i];
        if (line.used || (line.from_vertex != vertex && line.to_vertex != vertex))
            continue;
        const long double turn = normalize_angle(leaving_direction(line, vertex) - reference);
        if (best == 0 || (largest ? turn > best_turn : turn <= best_turn)) {
            best = i;
            best_turn = turn;
        }
    }
    if (best == 0)
        report_cut_failure("could not find connecting line", failed);
    return best;
}

int build_section_surfaces(Tsolid& solid, Tcut_work& work, bool& bridged)
{
    Tsection_lines& lines = work.lines;
    int added = 0;
    for (int outlines = 1; lines.count > 0 && !work.failed; ++outlines) {
        if (outlines > most_outlines || solid.surface_count >= max_surfaces) {
            report_cut_failure(outlines > most_outlines ? "too many lines!" : "too many surfaces!", work.failed);
            break;
        }
        const int s = ++solid.surface_count;
        ++added;
        solid.surface_colour[s] = cut_surface_colour;
        solid.surface_sorted[s] = 0;
        if (!walk_outline(solid, lines, s, start_vertex(solid, lines), work.failed))
            break;
        int point = 0, corner = 0;
        if (!enclosed_point(solid, lines, s, point, corner)) {
            choose_outline_start(solid, {0, 0, 1}, s, work.failed);
            delete_used_lines(lines);
            continue;
        }
        add_section_line(lines, solid, point, corner, 0, work.failed);
        add_section_line(lines, solid, point, corner, 0, work.failed);
        for (int i = 1; i <= lines.count; ++i)
            lines.lines[i].used = false;
        --solid.surface_count;
        --added;
        bridged = true;
    }
    return added;
}

} // namespace geometry::model
