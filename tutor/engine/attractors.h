#pragma once
// The points of a drawing area to which the pupil's clicks snap: the ends
// of the wanted drawing's lines and the projected vertices of the solid.

#include "foundation/plane_geometry.h"

#include <array>

namespace geometry::model {
struct Tscreen_drawing;
}

namespace tutor::engine {

inline constexpr int max_attractors = 200;

struct Tattractors {
    int count = 0;
    std::array<foundation::Tinteger_point, max_attractors> points{};
};

// Each point once; false when it is not there and there is no room for it.
bool add_attractor(Tattractors& attractors, foundation::Tinteger_point point);
// The two ends of every visible and hidden line.
void add_line_ends(Tattractors& attractors, const geometry::model::Tscreen_drawing& drawing);

// The attractor nearest the point within reach: fewer than k pixels away
// across and up and down (k = 2 when fine, else 6), and fewer than 8 the
// two together; on equal distance the first. An empty list shows the stop
// message first and finds nothing.
bool snap_to_attractor(foundation::Tinteger_point point, bool fine, const Tattractors& attractors, foundation::Tinteger_point& snapped);

} // namespace tutor::engine
