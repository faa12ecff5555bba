#pragma once
// The sample objects shipped beside the program (SOLIDS.OBJ, BLOCKS.OBJ in
// the build's bin folder), decoded as the program decodes them, and the
// turns under which tests draw them.

#include "geometry/model/solid.h"

#include <cstdint>
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

struct view {
    int angle_x, angle_y, angle_z;
    bool perspective;
};

inline std::string describe(const view& v)
{
    return "angles " + std::to_string(v.angle_x) + " " + std::to_string(v.angle_y) + " " + std::to_string(v.angle_z) +
           (v.perspective ? " with perspective" : "");
}

// Pseudo-random turns, the same on every run; perspective on every other one when asked.
std::vector<view> random_views(unsigned seed, int count, bool perspective);

// The solid as the view shows it: turned, and in perspective when asked.
geometry::model::Tsolid seen_in(geometry::model::Tsolid solid, const view& v);

// What a cut by the plane z = 0 reports, and the messages it shows; set
// beforehand to what a cut never leaves.
struct cut_result {
    bool success = true, bridged = true;
    std::int32_t sections = -1;
    std::vector<std::string> boxes;
};
cut_result cut(geometry::model::Tsolid& solid);

// The sample cut by the plane z = 0 after the turn; messages answered.
geometry::model::Tsolid cut_sample(const geometry::model::Tsolid& sample, const view& turn);

} // namespace test_objects
