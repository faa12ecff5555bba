#include "geometry/model/picture.h"

#include "geometry/model/kernel.h"
#include "geometry/model/rounding.h"
#include "geometry/model/screen_metrics.h"

using namespace foundation;

namespace geometry::model {

std::array<std::string, 2> arrow_labels;

Tinteger_point project_point(int centre_x, int centre_y, long double scale, long double x, long double y)
{
    return {pixel_offset(centre_x, scale * pixels_per_unit_x * x), pixel_offset(centre_y, -scale * pixels_per_unit_y * y)};
}

Tarrow_mark project_view_arrow(const Tpoint3d& v, int centre_x, int centre_y, long double scale)
{
    const long double x = scale * pixels_per_unit_x * v.x;
    const long double y = -scale * pixels_per_unit_y * v.y;
    const Tinteger_point tip{pixel_offset(centre_x, x), pixel_offset(centre_y, y)};
    Tarrow_mark mark;
    mark.tail_x = pixel_offset(centre_x, 1.2L * x);
    mark.tail_y = pixel_offset(centre_y, 1.2L * y);
    mark.head_x = pixel_offset(centre_x, 0.9L * x);
    mark.head_y = pixel_offset(centre_y, 0.9L * y);
    mark.behind = v.z < 0;
    const std::int64_t dx = std::int64_t{mark.tail_x} - centre_x;
    const std::int64_t dy = std::int64_t{mark.tail_y} - centre_y;
    if (dy != 0) {
        mark.label_x = dx >= 2 ? pixel_offset(tip.x, -round_to_pixel(4 * aspect)) : pixel_offset(tip.x, round_to_pixel(8 * aspect));
        mark.label_y = pixel_offset(tip.y, dy >= 0 ? 5 : -5);
    } else {
        mark.label_x = pixel_offset(tip.x, dx >= 0 ? -5 : -7);
        mark.label_y = pixel_offset(tip.y, 13);
    }
    return mark;
}

namespace {

void copy_surfaces_in_order(const Tsolid& solid, const Tdrawing_order& order, Tpicture& picture)
{
    int k = 0;
    for (int position = 1; order[position] != 0; ++position) {
        const int s = order[position];
        ++k;
        picture.surface_length[k] = solid.surface_length[s];
        picture.surface_vertices[k] = solid.surface_vertices[s];
        picture.surface_colour[k] = solid.surface_colour[s];
    }
    picture.surface_count = k;
}

} // namespace

void make_picture(const Tsolid& solid, int angle_x, int angle_y, Tpicture& picture, bool perspective, int centre_x,
                  int centre_y, long double scale, int angle_z)
{
    Tvisibility visible{};
    const Tsolid copy = turned_for_view(solid, angle_x, angle_y, angle_z, perspective, visible);
    Tdrawing_order order{};
    order_surfaces(copy, visible, order);

    picture.vertex_count = copy.vertex_count;
    for (int v = 1; v <= copy.vertex_count; ++v)
        picture.points[v] = project_point(centre_x, centre_y, scale, copy.vertices[v].x, copy.vertices[v].y);
    picture.edge_count = copy.edge_count;
    picture.edges = copy.edges;
    copy_surfaces_in_order(copy, order, picture);
    picture.edge_colour = copy.edge_colour;
    for (int a = 0; a < 2; ++a)
        picture.arrow_marks[a] = project_view_arrow(copy.view_arrows[a], centre_x, centre_y, scale);
}

std::array<Tinteger_point, 2> marked_edge_points(const Tsolid& solid, int centre_x, int centre_y, long double scale)
{
    const Tedge& edge = solid.edges[solid.marked_edge <= max_edges ? solid.marked_edge : 0];
    const Tpoint3d& from = solid.vertices[edge.from_vertex <= max_vertices ? edge.from_vertex : 0];
    const Tpoint3d& to = solid.vertices[edge.to_vertex <= max_vertices ? edge.to_vertex : 0];
    return {project_point(centre_x, centre_y, scale, from.x, from.y), project_point(centre_x, centre_y, scale, to.x, to.y)};
}

} // namespace geometry::model
