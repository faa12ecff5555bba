#pragma once
// The geometry kernel's operations on a solid: rotation, the perspective
// transform, surface normals and which surfaces face the viewer, the edge
// list, mirroring and the painter's order of the visible surfaces.
// The viewer looks along -z: x right, y up, z towards the viewer.

#include "geometry/model/solid.h"

#include <array>
#include <cstdint>

namespace geometry::model {

// Per surface, numbered from 1 like the surfaces.
using Tnormals = std::array<Tpoint3d, max_surfaces + 1>;
using Tvisibility = std::array<bool, max_surfaces + 1>;
// Positions 1..26 hold surface numbers, the one after the last a 0.
using Tdrawing_order = std::array<std::uint8_t, max_surfaces + 2>;

inline constexpr long double kernel_tolerance = 0.0001L;

// Whole degrees; about x first, then y, then z. Nothing happens when all
// three are 0. The view arrows turn too when asked.
void rotate_solid(Tsolid& solid, int angle_x, int angle_y, bool rotate_arrows, int angle_z);

// Divides x and y by the distance from the eye; z becomes 2 f - 2, so larger
// z is still nearer. The view arrows are left as they are.
void perspective_transform(Tsolid& solid);

// The cross product of the first two sides from the first corner. With
// z_only only the z part is computed and x and y are left as they were.
void surface_normals(const Tsolid& solid, Tnormals& normals, bool z_only);
// The same for surface s alone, all three parts.
Tpoint3d surface_normal(const Tsolid& solid, int s);

// Without the eye a surface faces the viewer when its normal's z part is
// positive; with it, when the normal points towards the eye at (0, 0, 5.4).
void front_surfaces(const Tsolid& solid, bool use_eye, const Tnormals& normals, Tvisibility& visible);

// A copy of the solid turned by the angles (view arrows too), with the
// perspective when asked, and which of its surfaces then face the viewer:
// what a picture or a line drawing of one view starts from.
Tsolid turned_for_view(const Tsolid& solid, int angle_x, int angle_y, int angle_z, bool perspective, Tvisibility& front);

// The edges of surfaces 1 .. surface_count - skipped_surfaces: each side of
// a surface once, unless a neighbour already walked it the other way; a
// bridge to a hole, which its surface runs there and back, is no edge.
// More than 48 edges stop the program.
void find_edges(Tsolid& solid, int skipped_surfaces);
// The same, answering false instead of stopping when a 49th edge would be
// needed (the list then holds the first 48).
bool collect_edges(Tsolid& solid, int skipped_surfaces);

// x := -x, with every surface's corners reordered so its normal still points out.
void mirror_solid(Tsolid& solid);

// The visible surfaces in painter's order: the depth-sorted ones first,
// each placed before every surface it lies behind, then the unsorted ones.
// Surface a lies behind surface b where an edge of a passes behind an edge
// of b, and also where one's outline lies wholly within the other's and a
// is the farther there (then no edges cross). Returns the position of the
// terminating 0 (drawn surfaces + 1).
// With edge_crossings_only containment is not looked at: the order as the
// crossings alone make it, to compare with.
enum class hiding_rule { crossings_and_containment, edge_crossings_only };
int order_surfaces(const Tsolid& solid, const Tvisibility& visible, Tdrawing_order& order,
                   hiding_rule rule = hiding_rule::crossings_and_containment);

// Whether an edge of surface a passes behind an edge of surface b.
bool surface_hidden_by(const Tsolid& solid, int a, int b);
// Whether the outline of one of the surfaces lies within the other's and
// surface a is the farther there.
bool surface_within_behind(const Tsolid& solid, int a, int b);

} // namespace geometry::model
