#pragma once
// Where the tutor's workbench places its projections in a drawing area of
// width W and height H (the main window's client area left of its rotation
// buttons, or a printed page): the oblique frame's origin and height, and
// the normal views' origin and cell height, for what is shown.

#include "foundation/plane_geometry.h"

namespace geometry::model {

struct Tworkbench_layout {
    foundation::Tinteger_point frame_origin;   // set when the oblique picture is shown
    int frame_height = 0;
    foundation::Tinteger_point views_origin;   // set when the normal views are shown
    int cell_height = 0;
};

Tworkbench_layout workbench_layout(int width, int height, bool oblique_shown, bool normal_shown, bool six_views);

} // namespace geometry::model
