#pragma once

namespace geometry::drawing {

// The geometry's share of start-up, after the text-section file is loaded:
// the screen aspect factor from the primary screen, then the kernel's
// nearest colours and pixel scales, which depend on it, then the projection
// convention from the settings, the view labels from the text-section file
// and the projection symbols (a missing one stops the program).

void start_up_screen_drawing();
void start_up_kernel();
void start_up_projection_views();

} // namespace geometry::drawing
