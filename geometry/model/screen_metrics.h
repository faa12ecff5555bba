#pragma once

namespace geometry::model {

// How object units become screen pixels. `aspect` is the height of a
// screen pixel over its width (1 for square pixels) and keeps drawings in
// proportion: horizontal pixel distances derived from vertical ones are
// multiplied by it. The eye looks from 5.4 units in front of the origin,
// and one unit is 200 / 5.4 pixels across at scale 1 (divided by `aspect`
// up and down). Both are set once at start-up, before anything is drawn.

inline constexpr long double eye_distance = 5.4L;

extern long double aspect;
extern long double pixels_per_unit_x;
extern long double pixels_per_unit_y;

// The aspect factor of a screen of width x height pixels that measures
// width_mm x height_mm. Pixels square within 3 per cent, and a screen whose
// physical size is not known, give 1; other pixels the width / height / 1.33
// of a screen shown 4:3, as tall pixels of old displays were.
long double aspect_of_screen(int width, int height, double width_mm, double height_mm);
// The pixel scales from the present `aspect`.
void compute_pixel_scales();

} // namespace geometry::model
