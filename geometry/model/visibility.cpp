#include "geometry/model/kernel.h"

#include "foundation/messages.h"
#include "geometry/model/outline_sides.h"
#include "geometry/model/screen_metrics.h"

using namespace foundation;

namespace geometry::model {

Tpoint3d surface_normal(const Tsolid& solid, int s)
{
    const Tpoint3d& p1 = solid.corner(s, 1);
    const Tpoint3d& p2 = solid.corner(s, 2);
    const Tpoint3d& p3 = solid.corner(s, 3);
    const Tpoint3d a{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
    const Tpoint3d b{p3.x - p1.x, p3.y - p1.y, p3.z - p1.z};
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void surface_normals(const Tsolid& solid, Tnormals& normals, bool z_only)
{
    for (int s = 1; s <= solid.surface_count; ++s) {
        const Tpoint3d n = surface_normal(solid, s);
        if (!z_only) {
            normals[s].x = n.x;
            normals[s].y = n.y;
        }
        normals[s].z = n.z;
    }
}

void front_surfaces(const Tsolid& solid, bool use_eye, const Tnormals& normals, Tvisibility& visible)
{
    for (int s = 1; s <= solid.surface_count; ++s) {
        const Tpoint3d& n = normals[s];
        if (!use_eye) {
            visible[s] = n.z > kernel_tolerance;
            continue;
        }
        const Tpoint3d& p1 = solid.corner(s, 1);
        visible[s] = -n.x * p1.x - n.y * p1.y + (eye_distance - p1.z) * n.z > kernel_tolerance;
    }
}

Tsolid turned_for_view(const Tsolid& solid, int angle_x, int angle_y, int angle_z, bool perspective, Tvisibility& front)
{
    Tsolid copy = solid;
    rotate_solid(copy, angle_x, angle_y, true, angle_z);
    if (perspective)
        perspective_transform(copy);
    Tnormals normals{};
    surface_normals(copy, normals, true);
    front_surfaces(copy, false, normals, front);
    return copy;
}

namespace {

bool edge_walked_backwards(const Tsolid& solid, int p, int q)
{
    for (int e = 1; e <= solid.edge_count; ++e)
        if (solid.edges[e].from_vertex == q && solid.edges[e].to_vertex == p)
            return true;
    return false;
}

} // namespace

bool collect_edges(Tsolid& solid, int skipped_surfaces)
{
    solid.edge_count = 0;
    for (int s = 1; s <= solid.surface_count - skipped_surfaces; ++s) {
        const Tsurface_list& list = solid.surface_vertices[s];
        for (int j = 1; j <= solid.corner_count(s); ++j) {
            const int p = list[j], q = list[j + 1];
            if (side_is_bridge(solid, s, j) || edge_walked_backwards(solid, p, q))
                continue;
            if (solid.edge_count == max_edges)
                return false;
            solid.edges[++solid.edge_count] = {list[j], list[j + 1]};
        }
    }
    return true;
}

void find_edges(Tsolid& solid, int skipped_surfaces)
{
    if (!collect_edges(solid, skipped_surfaces))
        stop_with_message("object has too many edges");
}

} // namespace geometry::model
