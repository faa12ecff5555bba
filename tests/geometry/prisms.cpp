#include "tests/geometry/prisms.h"

#include "geometry/model/kernel.h"

using namespace geometry::model;

namespace test_objects {

void add_surface(Tsolid& solid, const std::vector<int>& corners, int colour)
{
    const int s = ++solid.surface_count;
    for (std::size_t j = 0; j < corners.size(); ++j)
        solid.surface_vertices[s][j + 1] = static_cast<std::uint8_t>(corners[j]);
    solid.surface_vertices[s][corners.size() + 1] = static_cast<std::uint8_t>(corners[0]);
    solid.surface_length[s] = static_cast<std::uint8_t>(corners.size() + 1);
    solid.surface_colour[s] = static_cast<std::uint8_t>(colour);
    solid.surface_sorted[s] = 1;
}

void add_prism(Tsolid& solid, const outline& points, long double z0, long double z1, int colour)
{
    const int n = static_cast<int>(points.size());
    const int front = solid.vertex_count, back = front + n;
    for (const auto& [x, y] : points)
        solid.vertices[++solid.vertex_count] = {x, y, z1};
    for (const auto& [x, y] : points)
        solid.vertices[++solid.vertex_count] = {x, y, z0};
    // Both faces start at the first point, so their first three corners
    // turn as the whole outline does when the outline's first corner is convex.
    std::vector<int> front_face, back_face{back + 1};
    for (int i = 1; i <= n; ++i)
        front_face.push_back(front + i);
    for (int i = n; i >= 2; --i)
        back_face.push_back(back + i);
    add_surface(solid, front_face, colour);
    add_surface(solid, back_face, colour);
    for (int i = 1; i <= n; ++i) {
        const int next = i % n + 1;
        add_surface(solid, {front + i, back + i, back + next, front + next}, colour);
    }
}

void add_box(Tsolid& solid, long double x0, long double x1, long double y0, long double y1, long double z0,
             long double z1, int colour)
{
    add_prism(solid, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, z0, z1, colour);
}

Tsolid coloured_cube()
{
    Tsolid cube;
    add_box(cube, -0.5L, 0.5L, -0.5L, 0.5L, -0.5L, 0.5L);
    const std::uint8_t colours[] = {11, 8, 7, 10, 14, 13};   // front, back, then the sides from y0 round
    for (int s = 1; s <= 6; ++s)
        cube.surface_colour[s] = colours[s - 1];
    return finished(cube);
}

Tsolid finished(Tsolid solid)
{
    solid.view_arrows = {Tpoint3d{0, 0, 2.3L}, Tpoint3d{0, 2.3L, 0}};
    find_edges(solid, 0);
    return solid;
}

} // namespace test_objects
