#pragma once
// A solid projected to pixels, its visible surfaces in painter's order, and
// the projection of points and view arrows it is made with.

#include "foundation/plane_geometry.h"
#include "geometry/model/solid.h"

#include <array>
#include <cstdint>
#include <string>

namespace geometry::model {

struct Tarrow_mark {
    std::int32_t tail_x = 0;
    std::int32_t tail_y = 0;
    std::int32_t head_x = 0;
    std::int32_t head_y = 0;
    bool behind = false;   // the arrow points away from the viewer
    std::int32_t label_x = 0;
    std::int32_t label_y = 0;
};

// Numbered from 1 like the solid; surfaces in drawing order.
struct Tpicture {
    std::int32_t vertex_count = 0;
    std::array<foundation::Tinteger_point, max_vertices + 1> points{};
    std::int32_t surface_count = 0;
    std::array<std::uint8_t, max_surfaces + 1> surface_length{};
    std::array<Tsurface_list, max_surfaces + 1> surface_vertices{};
    std::array<std::uint8_t, max_surfaces + 1> surface_colour{};
    std::int32_t edge_count = 0;
    std::array<Tedge, max_edges + 1> edges{};
    std::int32_t edge_colour = 0;
    std::array<Tarrow_mark, 2> arrow_marks{};
};

// The labels of the first and the second view arrow; empty until the
// projection views set them at start-up.
extern std::array<std::string, 2> arrow_labels;

// (centre_x + [scale * pixels_per_unit_x * x], centre_y + [-scale * pixels_per_unit_y * y]),
// [v] rounded to the nearest integer, halves to even.
foundation::Tinteger_point project_point(int centre_x, int centre_y, long double scale, long double x, long double y);

// A view arrow of direction v (already turned): it points at the object
// from outside, from 1.2 v to 0.9 v, with its label beside the tip at v.
Tarrow_mark project_view_arrow(const Tpoint3d& v, int centre_x, int centre_y, long double scale);

// Turns a copy of the solid (arrows too), applies the perspective when
// asked, and projects its visible surfaces in painter's order. The solid
// itself is not changed.
void make_picture(const Tsolid& solid, int angle_x, int angle_y, Tpicture& picture, bool perspective, int centre_x,
                  int centre_y, long double scale, int angle_z);

// The pixel points of the marked edge's two vertices, projected as they are.
std::array<foundation::Tinteger_point, 2> marked_edge_points(const Tsolid& solid, int centre_x, int centre_y, long double scale);

} // namespace geometry::model
