#include "geometry/drawing/hidden_lines_drawing.h"

#include "geometry/drawing/picture_drawing.h"
#include "geometry/drawing/screen_drawing.h"

using namespace geometry::model;

namespace geometry::drawing {

namespace {

constexpr platform::colour_ref highlight_colour = platform::rgb(0, 0, 255);

void draw_hidden_lines(platform::Canvas& canvas, const Tscreen_lines& lines, bool highlighted, platform::colour_ref colour)
{
    for (int i = 1; i <= lines.count && i <= max_drawing_lines; ++i) {
        const Tscreen_line& l = lines.lines[i];
        if (l.highlighted == highlighted)
            draw_patterned_line(canvas, {l.x1, l.y1}, {l.x2, l.y2}, false, 1, highlighted ? 3 : 1,
                                highlighted ? highlight_colour : colour, dashed_pattern);
    }
}

void draw_visible_lines(platform::Canvas& canvas, const Tscreen_lines& lines, bool highlighted, platform::colour_ref colour)
{
    canvas.set_pen({highlighted ? highlight_colour : colour, highlighted ? 2 : 1, platform::pen_style::solid});
    for (int i = 1; i <= lines.count && i <= max_drawing_lines; ++i) {
        const Tscreen_line& l = lines.lines[i];
        if (l.highlighted == highlighted)
            draw_clipped_line(canvas, {l.x1, l.y1}, {l.x2, l.y2});
    }
}

} // namespace

void draw_screen_drawing(platform::Canvas& canvas, const Tscreen_drawing& drawing, platform::colour_ref colour,
                         bool show_arrows)
{
    canvas.set_background_mode(platform::text_background::transparent);
    draw_hidden_lines(canvas, drawing.hidden, false, colour);
    draw_hidden_lines(canvas, drawing.hidden, true, colour);
    draw_visible_lines(canvas, drawing.visible, false, colour);
    draw_visible_lines(canvas, drawing.visible, true, colour);
    if (show_arrows)
        draw_view_arrows(canvas, drawing.arrow_marks);
}

void draw_drawing_arrows(platform::Canvas& canvas, const Tscreen_drawing& drawing)
{
    canvas.set_background_mode(platform::text_background::transparent);
    draw_view_arrows(canvas, drawing.arrow_marks);
}

void draw_object_with_hidden_lines(platform::Canvas& canvas, const Tsolid& solid, int angle_x, int angle_y,
                                   int angle_z, bool show_arrows, platform::colour_ref colour, bool perspective,
                                   int origin_y, int origin_x, long double scale)
{
    Tscreen_drawing drawing;
    compute_hidden_line_drawing(solid, angle_x, angle_y, angle_z, drawing, true, perspective, origin_y, origin_x, scale);
    draw_screen_drawing(canvas, drawing, colour, show_arrows);
}

} // namespace geometry::drawing
