#pragma once
// A turn under which a sample is drawn, and how a failure names it.

#include <sstream>
#include <string>

namespace test_objects {

struct view {
    int angle_x, angle_y, angle_z;
    bool perspective;
};

inline std::string describe(const view& v)
{
    std::ostringstream text;
    text << "angles " << v.angle_x << " " << v.angle_y << " " << v.angle_z << (v.perspective ? " with perspective" : "");
    return text.str();
}

} // namespace test_objects
