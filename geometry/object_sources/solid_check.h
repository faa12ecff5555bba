#pragma once
// Checks that a solid is a closed polyhedron whose surfaces all face out:
// each surface flat, its first three corners turning the way the whole
// outline turns, every edge shared by two surfaces walking it opposite ways,
// no two surfaces that share a side lying in one plane (the side would be
// drawn as an edge the solid does not have), and the whole enclosing a
// positive volume. A surface may have holes, each joined to its outline by
// a bridge that the outline runs there and back. Then every normal the kernel
// computes from a surface's first three corners points out of the solid,
// which the visibility test relies on.

#include "geometry/model/solid.h"

#include <string>
#include <vector>

namespace geometry::object_sources {

// One message per fault, naming vertices by `vertex_names` (index 0 for
// vertex 1); empty when the solid is sound.
std::vector<std::string> check_solid(const geometry::model::Tsolid& solid, const std::vector<std::string>& vertex_names);

// The normal of the whole outline of surface s (Newell's sum), whatever
// corner it starts at; its length is twice the surface's area.
geometry::model::Tpoint3d outline_normal(const geometry::model::Tsolid& solid, int s);

} // namespace geometry::object_sources
