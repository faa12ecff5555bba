#include "geometry/model/kernel.h"

#include "foundation/plane_geometry.h"
#include "geometry/model/screen_metrics.h"

#include <cmath>
#include <utility>

using namespace foundation;

namespace geometry::model {

namespace {

struct rotation {
    long double m[3][3];
};

// R = Rz(c) Ry(b) Rx(a): about x first, then y, then z.
rotation rotation_of(int angle_x, int angle_y, int angle_z)
{
    const long double a = angle_x / 180.0L * pi, b = angle_y / 180.0L * pi, c = angle_z / 180.0L * pi;
    const long double sa = std::sin(a), ca = std::cos(a), sb = std::sin(b), cb = std::cos(b);
    const long double sc = std::sin(c), cc = std::cos(c);
    return {{{cb * cc, sa * sb * cc - ca * sc, ca * sb * cc + sa * sc},
             {cb * sc, sa * sb * sc + ca * cc, ca * sb * sc - sa * cc},
             {-sb, sa * cb, ca * cb}}};
}

void rotate_point(Tpoint3d& p, const rotation& r)
{
    const Tpoint3d v = p;
    p.x = r.m[0][0] * v.x + r.m[0][1] * v.y + r.m[0][2] * v.z;
    p.y = r.m[1][0] * v.x + r.m[1][1] * v.y + r.m[1][2] * v.z;
    p.z = r.m[2][0] * v.x + r.m[2][1] * v.y + r.m[2][2] * v.z;
}

} // namespace

void rotate_solid(Tsolid& solid, int angle_x, int angle_y, bool rotate_arrows, int angle_z)
{
    if (angle_x == 0 && angle_y == 0 && angle_z == 0)
        return;
    const rotation r = rotation_of(angle_x, angle_y, angle_z);
    for (int v = 1; v <= solid.vertex_count; ++v)
        rotate_point(solid.vertices[v], r);
    if (rotate_arrows)
        for (Tpoint3d& arrow : solid.view_arrows)
            rotate_point(arrow, r);
}

void perspective_transform(Tsolid& solid)
{
    for (int v = 1; v <= solid.vertex_count; ++v) {
        Tpoint3d& p = solid.vertices[v];
        const long double f = eye_distance / (eye_distance - p.z);
        p.x *= f;
        p.y *= f;
        p.z = 2 * f - 2;
    }
}

// (c1, c2, c3, ..., cn) becomes (c3, c2, c1, cn, ..., c4): the second corner
// stays, so the first three still span the surface, now turning the other way.
void mirror_solid(Tsolid& solid)
{
    for (int v = 1; v <= solid.vertex_count; ++v)
        solid.vertices[v].x = -solid.vertices[v].x;
    for (int s = 1; s <= solid.surface_count; ++s) {
        Tsurface_list& list = solid.surface_vertices[s];
        const int n = solid.surface_length[s] - 1;
        if (n < 3) {
            for (int i = 1, j = n; i < j; ++i, --j)
                std::swap(list[i], list[j]);
        } else {
            std::swap(list[1], list[3]);
            for (int i = 4, j = n; i < j; ++i, --j)
                std::swap(list[i], list[j]);
        }
        if (n >= 1)
            list[n + 1] = list[1];
    }
}

} // namespace geometry::model
