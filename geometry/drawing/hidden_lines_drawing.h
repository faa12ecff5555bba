#pragma once
// Drawing a hidden-line drawing on the canvas: hidden lines dashed first,
// visible lines over them, highlighted lines in blue, and the view arrows.

#include "geometry/model/hidden_lines.h"
#include "platform/core/canvas.h"
#include "platform/core/colour.h"

namespace geometry::drawing {

// The text background becomes transparent. Hidden lines dashed (FF00FF00)
// one pixel wide, highlighted ones three wide in blue; then visible lines
// one pixel wide, highlighted ones two wide in blue; then, when asked, the
// view arrows with their labels.
void draw_screen_drawing(platform::Canvas& canvas, const geometry::model::Tscreen_drawing& drawing, platform::colour_ref colour,
                         bool show_arrows);

// Only the two view arrows with their labels, over what is drawn.
void draw_drawing_arrows(platform::Canvas& canvas, const geometry::model::Tscreen_drawing& drawing);

// compute_hidden_line_drawing with touching lines joined, then
// draw_screen_drawing.
void draw_object_with_hidden_lines(platform::Canvas& canvas, const geometry::model::Tsolid& solid, int angle_x, int angle_y,
                                   int angle_z, bool show_arrows, platform::colour_ref colour, bool perspective,
                                   int origin_y, int origin_x, long double scale);

} // namespace geometry::drawing
