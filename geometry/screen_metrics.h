#pragma once
// How object units become screen pixels. `aspect` (screen width / screen
// height / 1.33, 1.0 on a 4:3 screen) keeps drawings in proportion: horizontal
// pixel distances derived from vertical ones are multiplied by it. The eye
// looks from 5.4 units in front of the origin, and one unit is 200 / 5.4
// pixels across at scale 1 (divided by `aspect` up and down).
// Both are set once at start-up, before anything is drawn.

inline constexpr long double eye_distance = 5.4L;

extern long double aspect;
extern long double pixels_per_unit_x;
extern long double pixels_per_unit_y;

long double aspect_of_screen(int width, int height);
// The pixel scales from the present `aspect`.
void compute_pixel_scales();
