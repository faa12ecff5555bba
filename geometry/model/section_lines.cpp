// Step 4 of a cut: the surface sides that lie in the plane, split where
// they overlap, so that each stretch knows how many sides cover it; the
// stretches covered an odd number of times bound the section.
#include "geometry/model/cut_steps.h"

#include "foundation/plane_geometry.h"

#include <cmath>
#include <utility>

using namespace foundation;

namespace geometry::model {

namespace {

constexpr long double eps = cut_tolerance;

// A cut whose overlaps keep splitting beyond this is given up rather than
// left running.
constexpr int most_splits = 1000;

void delete_line(Tsection_lines& lines, int at)
{
    for (int i = at; i < lines.count; ++i)
        lines.lines[i] = lines.lines[i + 1];
    --lines.count;
}

bool collinear(const Tsolid& solid, const Tsection_line& a, const Tsection_line& b)
{
    const Tpoint3d& fa = solid.vertices[a.from_vertex];
    const Tpoint3d& fb = solid.vertices[b.from_vertex];
    return std::fabs(a.angle - b.angle) < eps && std::fabs(a.dy * (fb.x - fa.x) - a.dx * (fb.y - fa.y)) < 0.0003L;
}

// The position of vertex v along line a: 0 at its start, 1 at its end.
long double parameter_along(const Tsolid& solid, const Tsection_line& a, int v)
{
    const Tpoint3d& from = solid.vertices[a.from_vertex];
    const Tpoint3d& p = solid.vertices[v];
    return std::fabs(a.dx) < eps ? (p.y - from.y) / a.dy : (p.x - from.x) / a.dx;
}

// Lines a and b (b from s1 to s2 along a) become the stretch before the
// later start, the common stretch and the stretch after the earlier end,
// each covered by the lines that cover it.
void split_overlap(const Tsolid& solid, Tsection_lines& lines, int i, int j, long double s1, long double s2, bool& failed)
{
    const Tsection_line a = lines.lines[i], b = lines.lines[j];
    delete_line(lines, j);
    delete_line(lines, i);
    if (std::fabs(s1) >= eps) {
        if (s1 > 0)
            add_section_line(lines, solid, a.from_vertex, b.from_vertex, a.cover_count, failed);
        else
            add_section_line(lines, solid, b.from_vertex, a.from_vertex, b.cover_count, failed);
    }
    if (std::fabs(1 - s2) >= eps) {
        if (s2 > 1)
            add_section_line(lines, solid, a.to_vertex, b.to_vertex, b.cover_count, failed);
        else
            add_section_line(lines, solid, b.to_vertex, a.to_vertex, a.cover_count, failed);
    }
    add_section_line(lines, solid, s1 > 0 ? b.from_vertex : a.from_vertex, s2 < 1 ? b.to_vertex : a.to_vertex,
                     a.cover_count + b.cover_count, failed);
}

void resolve_overlaps(const Tsolid& solid, Tcut_work& work)
{
    Tsection_lines& lines = work.lines;
    int splits = 0;
    for (int i = 1; i < lines.count && !work.failed; ++i) {
        for (int j = i + 1; j <= lines.count && !work.failed;) {
            const Tsection_line& a = lines.lines[i];
            const Tsection_line& b = lines.lines[j];
            if (!collinear(solid, a, b)) {
                ++j;
                continue;
            }
            const long double s1 = parameter_along(solid, a, b.from_vertex);
            const long double s2 = parameter_along(solid, a, b.to_vertex);
            if ((std::fabs(s1) < eps && a.from_vertex != b.from_vertex) ||
                (std::fabs(1 - s2) < eps && a.to_vertex != b.to_vertex)) {
                report_cut_failure("2 points on cutplane too close", work.failed);
                return;
            }
            if (!(s1 < 1 - eps && s2 > eps)) {
                ++j;
                continue;
            }
            if (++splits > most_splits) {
                report_cut_failure("too many lines!", work.failed);
                return;
            }
            split_overlap(solid, lines, i, j, s1, s2, work.failed);
            j = i + 1;
        }
    }
}

} // namespace

void add_section_line(Tsection_lines& lines, const Tsolid& solid, int from, int to, int cover_count, bool& failed)
{
    if (failed || from == to)
        return;
    long double dx = solid.vertices[to].x - solid.vertices[from].x;
    long double dy = solid.vertices[to].y - solid.vertices[from].y;
    if (std::fabs(dx) < eps && std::fabs(dy) < eps) {
        report_cut_failure("2 points on cutplane too close", failed);
        return;
    }
    if (dx < -eps || (std::fabs(dx) < eps && dy < 0)) {
        std::swap(from, to);
        dx = -dx;
        dy = -dy;
    }
    if (lines.count >= max_section_lines) {
        report_cut_failure("too many lines!", failed);
        return;
    }
    lines.lines[++lines.count] = {from, to, dx, dy, direction_angle(dx, dy), cover_count, false};
}

void collect_section_lines(Tsolid& solid, Tcut_work& work)
{
    work.lines.count = 0;
    for (int s = 1; s <= solid.surface_count && !work.failed; ++s)
        for (int j = 1; j <= solid.corner_count(s) && !work.failed; ++j) {
            const int p = solid.surface_vertices[s][j], q = solid.surface_vertices[s][j + 1];
            if (on_plane(solid.vertices[p]) && on_plane(solid.vertices[q]))
                add_section_line(work.lines, solid, p, q, 1, work.failed);
        }
    resolve_overlaps(solid, work);
    for (int i = work.lines.count; i >= 1; --i)
        if (work.lines.lines[i].cover_count % 2 == 0)
            delete_line(work.lines, i);
}

} // namespace geometry::model
