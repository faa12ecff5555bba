#include "tests/geometry/ray_visibility.h"

#include "geometry/object_sources/solid_check.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace geometry::model;
using namespace geometry::object_sources;

namespace ray_check {

namespace {

// Winding number of the outline around (x, y).
int winding(const Tsolid& solid, int s, long double x, long double y)
{
    int w = 0;
    for (int i = 1; i <= solid.corner_count(s); ++i) {
        const Tpoint3d& a = solid.corner(s, i);
        const Tpoint3d& b = solid.corner(s, i + 1);
        const long double cross = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
        if (a.y <= y && b.y > y && cross > 0)
            ++w;
        else if (a.y > y && b.y <= y && cross < 0)
            --w;
    }
    return w;
}

long double outline_distance(const Tsolid& solid, int s, long double x, long double y)
{
    long double nearest = 1e30L;
    for (int i = 1; i <= solid.corner_count(s); ++i)
        nearest = std::min(nearest, segment_distance_2d(x, y, solid.corner(s, i), solid.corner(s, i + 1)));
    return nearest;
}

// The stretches where face s meets z = 0, as pairs of points along the
// line, each pair running from where the face is entered to where it is left.
std::vector<Tpoint3d> face_crossings(const Tsolid& solid, int s)
{
    std::vector<Tpoint3d> points;
    const auto above = [](const Tpoint3d& v) { return v.z > -1e-12L; };
    for (int i = 1; i <= solid.corner_count(s); ++i) {
        const Tpoint3d& a = solid.corner(s, i);
        const Tpoint3d& b = solid.corner(s, i + 1);
        if (above(a) == above(b))
            continue;
        const long double f = a.z / (a.z - b.z);
        points.push_back({a.x + f * (b.x - a.x), a.y + f * (b.y - a.y), 0});
    }
    return points;
}

} // namespace

long double segment_distance_2d(long double x, long double y, const Tpoint3d& a, const Tpoint3d& b, long double* t)
{
    const long double dx = b.x - a.x, dy = b.y - a.y;
    const long double l2 = dx * dx + dy * dy;
    const long double u = l2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / l2, 0.0L, 1.0L) : 0;
    if (t)
        *t = u;
    return std::hypot(a.x + u * dx - x, a.y + u * dy - y);
}

ray_caster::ray_caster(const Tsolid& transformed) : solid_(transformed)
{
    for (int s = 1; s <= transformed.surface_count; ++s) {
        const Tpoint3d n = outline_normal(transformed, s);
        const long double size = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        if (size == 0 || std::fabs(n.z) < 1e-9L * size)
            continue;
        face f{s, n, 1e30L, -1e30L, 1e30L, -1e30L};
        for (int i = 1; i <= transformed.corner_count(s); ++i) {
            const Tpoint3d& p = transformed.corner(s, i);
            f.left = std::min(f.left, p.x);
            f.right = std::max(f.right, p.x);
            f.bottom = std::min(f.bottom, p.y);
            f.top = std::max(f.top, p.y);
        }
        faces_.push_back(f);
    }
}

long double ray_caster::depth(const face& f, long double x, long double y) const
{
    const Tpoint3d& c = solid_.corner(f.surface, 1);
    return c.z - (f.normal.x * (x - c.x) + f.normal.y * (y - c.y)) / f.normal.z;
}

int ray_caster::nearest_surface(long double x, long double y) const
{
    int nearest = 0;
    long double nearest_z = 0;
    for (const face& f : faces_) {
        if (x < f.left || x > f.right || y < f.bottom || y > f.top || winding(solid_, f.surface, x, y) == 0)
            continue;
        const long double z = depth(f, x, y);
        if (nearest == 0 || z > nearest_z) {
            nearest = f.surface;
            nearest_z = z;
        }
    }
    return nearest;
}

seen ray_caster::classify(const Tpoint3d& p, long double margin) const
{
    bool doubtful = false;
    for (const face& f : faces_) {
        if (p.x < f.left - margin || p.x > f.right + margin || p.y < f.bottom - margin || p.y > f.top + margin)
            continue;
        if (depth(f, p.x, p.y) <= p.z + 1e-7L)
            continue;   // through the point or behind it
        if (outline_distance(solid_, f.surface, p.x, p.y) < margin)
            doubtful = true;
        else if (winding(solid_, f.surface, p.x, p.y) != 0)
            return seen::hidden;
    }
    return doubtful ? seen::uncertain : seen::visible;
}

// Green's theorem over the boundary of the solid just below the plane:
// each face contributes its crossing stretches, run so that the solid lies
// to their left seen from +z, which is along (-ny, nx) for the face's
// outward normal n. Faces in the plane that face up are taken off.
long double cross_section_area(const Tsolid& solid)
{
    long double twice = 0;
    for (int s = 1; s <= solid.surface_count; ++s) {
        const Tpoint3d n = outline_normal(solid, s);
        bool in_plane = true;
        for (int i = 1; i <= solid.corner_count(s); ++i)
            in_plane &= std::fabs(solid.corner(s, i).z) < 1e-9L;
        if (in_plane && n.z > 0)
            twice -= n.z;   // Newell's z part is twice the face's area
        std::vector<Tpoint3d> points = face_crossings(solid, s);
        const long double ux = -n.y, uy = n.x;
        std::sort(points.begin(), points.end(), [&](const Tpoint3d& a, const Tpoint3d& b) {
            return a.x * ux + a.y * uy < b.x * ux + b.y * uy;
        });
        for (std::size_t i = 0; i + 1 < points.size(); i += 2)
            twice += points[i].x * points[i + 1].y - points[i + 1].x * points[i].y;
    }
    return twice / 2;
}

} // namespace ray_check
