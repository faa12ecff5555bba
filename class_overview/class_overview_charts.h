#pragma once
// The class overview's charts, drawn on any canvas (a window, a printed
// page, an image for a PNG file) in a fixed-pitch font of the pixel height
// given, so they look alike at every size:
// - per exercise 1 to 9 three bars, the class's percentage correct at
//   levels 1, 2 and 3, each level in its colour (no bar without objects);
// - per student a bar across, the percentage correct over all exercises,
//   with the class's percentage as a dotted line.
// Bars are filled without an outline, so their pixels are their colour.

#include "platform/core/canvas.h"
#include "class_overview/class_overview.h"

#include <cstddef>

namespace class_overview {

struct chart_area {
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr platform::colour_ref level_colours[overview_levels] = {
    platform::rgb(70, 160, 70), platform::rgb(60, 110, 210), platform::rgb(210, 70, 60)};
inline constexpr platform::colour_ref student_bar_colour = platform::rgb(230, 150, 30);

// The font of the charts and the printed table, `height` pixels high.
platform::font_choice overview_font(int height);

void draw_exercise_chart(platform::Canvas& canvas, const chart_area& area, int font_height,
                         const class_overview& overview);

// Students first .. first + count - 1 of the overview, one row each below the title.
void draw_student_chart(platform::Canvas& canvas, const chart_area& area, int font_height,
                        const class_overview& overview, std::size_t first, std::size_t count);

// How high a student chart of `students` rows is.
int student_chart_height(int font_height, std::size_t students);
// How many student rows fit into an area of this height (at least one).
std::size_t student_rows_fitting(int font_height, int area_height);

} // namespace class_overview
