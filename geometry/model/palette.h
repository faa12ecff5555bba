#pragma once
// The 16 colours in which surfaces and lines are coloured by index, black
// to white, and the display's nearest colour to each. On a 24-bit display
// the nearest colours are the palette itself.

#include "platform/core/colour.h"

#include <array>

namespace geometry::model {

extern const std::array<platform::colour_ref, 16> palette;
extern std::array<platform::colour_ref, 16> nearest_colours;

void compute_nearest_colours();

// The display colour of a palette index. Only 0..15 name colours; a cut
// surface's 100 answers the navy of its hatching and any other index black,
// so a damaged index never reads outside the table.
platform::colour_ref display_colour(int index);

inline constexpr platform::colour_ref navy = platform::rgb(0, 0, 128);
// Help lines and the views' dot grid.
inline constexpr platform::colour_ref teal = platform::rgb(0, 128, 128);
// A marked edge.
inline constexpr platform::colour_ref blue = platform::rgb(0, 0, 255);

} // namespace geometry::model
