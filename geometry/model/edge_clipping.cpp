// Clipping one edge against the surfaces in front of it, in the edge's own
// frame, where the edge runs from (d, t) = (0, 0) to (0, 1) and every test
// is a comparison of d or t.
#include "geometry/model/edge_visibility.h"

#include "geometry/model/outline_sides.h"

#include <algorithm>
#include <cmath>

namespace geometry::model {

namespace {

constexpr long double eps = 0.0001L;

// An edge shorter than this in x and in y is seen end-on.
constexpr long double end_on_extent = 0.1L;

} // namespace

Tsolid edge_frame_solid(const Tsolid& transformed, int a, int b)
{
    const Tpoint3d& pa = transformed.vertices[a];
    const Tpoint3d& pb = transformed.vertices[b];
    const long double dx = pb.x - pa.x, dy = pb.y - pa.y;
    const long double l2 = dx * dx + dy * dy;
    Tsolid frame = transformed;
    for (int v = 1; v <= frame.vertex_count; ++v) {
        const Tpoint3d& p = transformed.vertices[v];
        frame.vertices[v].x = ((p.x - pa.x) * dy - (p.y - pa.y) * dx) / l2;
        frame.vertices[v].y = ((p.x - pa.x) * dx + (p.y - pa.y) * dy) / l2;
    }
    return frame;
}

bool surface_may_hide_edge(const Tsolid& frame, int s, long double z_a, long double z_b)
{
    bool reaches_left = false, reaches_right = false, after_a = false, before_b = false, in_front = false;
    const long double nearer = std::min(z_a, z_b) + eps;
    for (int k = 1; k <= frame.corner_count(s); ++k) {
        const Tpoint3d& p = frame.corner(s, k);
        reaches_left |= p.x < eps;
        reaches_right |= p.x > -eps;
        after_a |= p.y > eps;
        before_b |= p.y < 1 - eps;
        in_front |= p.z > nearer;
    }
    return reaches_left && reaches_right && after_a && before_b && in_front;
}

bool edge_behind_surface_plane(const Tsolid& frame, int s, long double z_a, long double z_b, long double& tlo,
                               long double& thi)
{
    const Tpoint3d& p1 = frame.corner(s, 1);
    const Tpoint3d& p2 = frame.corner(s, 2);
    const Tpoint3d& p3 = frame.corner(s, 3);
    const Tpoint3d u{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
    const Tpoint3d w{p3.x - p2.x, p3.y - p2.y, p3.z - p2.z};
    const long double det = u.x * w.y - u.y * w.x;
    if (std::fabs(det) <= eps)
        return false;   // seen edge-on in this frame
    // The plane's depth over the edge line, at d = 0 and the given t.
    const auto depth = [&](long double t) {
        const long double a = (-p1.x * w.y - (t - p1.y) * w.x) / det;
        const long double b = (u.x * (t - p1.y) + u.y * p1.x) / det;
        return p1.z + a * u.z + b * w.z;
    };
    const long double f_a = z_a - depth(0), f_b = z_b - depth(1);
    const bool a_behind = f_a < -eps, b_behind = f_b < -eps;
    if (!a_behind && !b_behind)
        return false;
    if (a_behind && b_behind) {
        tlo = 0;
        thi = 1;
        return true;
    }
    // Where the edge passes through the plane; an end that lies within the
    // tolerance of the plane can put it a hair beyond the edge.
    const long double tc = std::clamp(f_a / (f_a - f_b), 0.0L, 1.0L);
    tlo = a_behind ? 0 : tc;
    thi = a_behind ? tc : 1;
    return true;
}

namespace {

// The crossings of the edge line with the outline of surface s, which runs
// counter-clockwise, so the line enters it before it leaves it. A bridge
// bounds nothing and takes no part.
Tcrossing_list outline_crossings(const Tsolid& frame, int s)
{
    Tcrossing_list list;
    for (int k = 1; k <= frame.corner_count(s); ++k) {
        if (side_is_bridge(frame, s, k))
            continue;
        const long double dk = frame.corner(s, k).x, tk = frame.corner(s, k).y;
        const long double dn = frame.corner(s, k + 1).x, tn = frame.corner(s, k + 1).y;
        if ((dk < -eps && dn > -eps) || (dk < eps && dn > eps))
            add_crossing(outline_enters, list, tk + dk * (tn - tk) / (dk - dn));
        else if ((dn < -eps && dk > -eps) || (dn < eps && dk > eps))
            add_crossing(outline_leaves, list, tk + dk * (tn - tk) / (dk - dn));
        else if (std::fabs(dk) < eps && std::fabs(dn) < eps) {
            add_crossing(side_on_line_starts, list, std::min(tk, tn));
            add_crossing(side_on_line_ends, list, std::max(tk, tn));
        }
    }
    return list;
}

} // namespace

namespace {

// How far beside the edge line, in units of the edge's length, a point is
// taken to see which surfaces lie on that side of it.
constexpr long double beside = 0.001L;

// Whether one of the edge's own faces shows beside the edge at t where
// surface s does not cover it.
bool own_face_seen_beside(const Tsolid& frame, int s, const Tedge_faces& own, long double t)
{
    for (const long double d : {-beside, beside}) {
        if (outline_winding(frame, s, d, t) != 0)
            continue;
        for (int i = 0; i < own.count; ++i)
            if (outline_winding(frame, own.surfaces[static_cast<std::size_t>(i)], d, t) != 0)
                return true;
    }
    return false;
}

} // namespace

Tedge_faces faces_of_edge(const Tsolid& transformed, int a, int b, const Tvisibility& front)
{
    Tedge_faces faces;
    for (int s = 1; s <= transformed.surface_count && faces.count < static_cast<int>(faces.surfaces.size()); ++s) {
        if (!front[s])
            continue;
        const Tsurface_list& list = transformed.surface_vertices[s];
        for (int k = 1; k <= transformed.corner_count(s); ++k)
            if (((list[k] == a && list[k + 1] == b) || (list[k] == b && list[k + 1] == a)) && !side_is_bridge(transformed, s, k)) {
                faces.surfaces[static_cast<std::size_t>(faces.count++)] = s;
                break;
            }
    }
    return faces;
}

void clip_edge_against_surface(const Tsolid& frame, int s, Tedge_visibility& record, long double z_a, long double z_b,
                               const Tedge_faces& own_faces)
{
    long double tlo = 0, thi = 0;
    if (!surface_may_hide_edge(frame, s, z_a, z_b) || !edge_behind_surface_plane(frame, s, z_a, z_b, tlo, thi))
        return;
    Tcrossing_list list = outline_crossings(frame, s);
    restrict_crossings(list, tlo, thi);
    record.refused |= list.refused;
    for (int j = 1; j < list.count; ++j) {
        const Tcrossing& here = list.entries[j];
        const Tcrossing& next = list.entries[j + 1];
        if (std::fabs(next.t - here.t) <= eps)
            continue;
        if (here.code == outline_enters)
            paint_edge_interval(hidden_level, record, here.t, next.t);
        else if (here.code == side_on_line_starts && !own_face_seen_beside(frame, s, own_faces, (here.t + next.t) / 2))
            paint_edge_interval(not_drawn_level, record, here.t, next.t);
    }
}

Tedge_visibility compute_edge_visibility(const Tsolid& transformed, int e, const Tvisibility& front)
{
    const int a = transformed.edges[e].from_vertex, b = transformed.edges[e].to_vertex;
    const Tpoint3d& pa = transformed.vertices[a];
    const Tpoint3d& pb = transformed.vertices[b];
    if (std::fabs(pa.x - pb.x) < end_on_extent && std::fabs(pa.y - pb.y) < end_on_extent)
        return new_edge_visibility(true);
    Tedge_visibility record = new_edge_visibility(false);
    const Tsolid frame = edge_frame_solid(transformed, a, b);
    const Tedge_faces own = faces_of_edge(transformed, a, b, front);
    for (int s = 1; s <= transformed.surface_count; ++s)
        if (front[s])
            clip_edge_against_surface(frame, s, record, pa.z, pb.z, own);
    return record;
}

} // namespace geometry::model
