#pragma once
// The sample objects shipped beside the program (SOLIDS.OBJ, BLOCKS.OBJ in
// the build's bin folder), decoded as the program decodes them.

#include "geometry/model/solid.h"

#include <string>
#include <vector>

namespace test_objects {

struct sample_solid {
    std::string name;   // as the object lists show it; "object N" for one in no list
    geometry::model::Tsolid solid;
};

// Every sample object, by object number; loaded once.
const std::vector<sample_solid>& sample_solids();

const geometry::model::Tsolid& sample_named(const std::string& name);

} // namespace test_objects
