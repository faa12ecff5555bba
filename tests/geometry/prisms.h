#pragma once
// Solids put together from prisms for tests: each prism an outline in the
// x-y plane, counter-clockwise and starting at a convex corner, stretched
// from z0 to z1. Several prisms in
// one solid are several separate bodies.

#include "geometry/model/solid.h"

#include <utility>
#include <vector>

namespace test_objects {

using outline = std::vector<std::pair<long double, long double>>;

// A sorted surface through the given vertices, closed back to the first.
void add_surface(geometry::model::Tsolid& solid, const std::vector<int>& corners, int colour);
void add_prism(geometry::model::Tsolid& solid, const outline& points, long double z0, long double z1, int colour = 7);
void add_box(geometry::model::Tsolid& solid, long double x0, long double x1, long double y0, long double y1, long double z0,
             long double z1, int colour = 7);

// A cube of side 1 around the origin, each face its own colour: front aqua,
// rear gray, bottom silver, right lime, top yellow, left fuchsia.
geometry::model::Tsolid coloured_cube();

// Edges found and the arrows set, as a loaded object has them.
geometry::model::Tsolid finished(geometry::model::Tsolid solid);

} // namespace test_objects
