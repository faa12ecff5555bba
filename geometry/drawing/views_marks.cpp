// What the views draw besides the solid: cleared cells, labels, the dot
// grid, the projection symbol and help lines.
#include "geometry/model/palette.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/model/rounding.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"
#include "geometry/drawing/views_canvas.h"

#include <algorithm>

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

void clear_rectangle(platform::Canvas& canvas, const platform::pixel_rect& area)
{
    const canvas_state_keeper keeper(canvas);
    const platform::colour_ref background = platform::window_background_colour();
    canvas.set_pen({background, 1, platform::pen_style::solid});
    canvas.set_brush({platform::brush_style::solid, background});
    canvas.rectangle(area.left, area.top, area.right, area.bottom);
}

void Tviews::clear_view(platform::Canvas& canvas, int k)
{
    if (!is_view(k))
        return;
    clear_rectangle(canvas, {view_x[k], view_y[k], view_x[k] + cell_width, view_y[k] + cell_height});
    if (labels_shown)
        draw_view_label(canvas, k, true);
}

void Tviews::draw_view_label_in(platform::Canvas& canvas, int k, platform::colour_ref colour) const
{
    const canvas_state_keeper keeper(canvas);
    platform::font_choice font = canvas.font();
    font.colour = colour;
    canvas.set_font(font);
    canvas.set_background_mode(platform::text_background::transparent);
    canvas.text_out(view_x[k] + 5, view_y[k] + static_cast<int>(cell_height * 17LL / 20) - 1, view_labels[k]);
}

void Tviews::draw_view_label(platform::Canvas& canvas, int k, bool erase)
{
    if (is_view(k))
        draw_view_label_in(canvas, k, erase ? platform::window_background_colour() : platform::black);
}

void Tviews::draw_view_labels(platform::Canvas& canvas)
{
    for (int k = 0; k < view_count; ++k)
        if (view_shown[k])
            draw_view_label(canvas, k, false);
    labels_shown = true;
}

void Tviews::draw_grid(platform::Canvas& canvas, int k)
{
    if (!is_view(k))
        return;
    // At least a pixel apart, however wide the screen.
    const int g = std::max(1, round_to_pixel(12 / aspect));
    for (int i = 1; i <= cell_width / 12; ++i)
        for (int j = 1; j <= cell_height / g; ++j)
            canvas.set_pixel(view_x[k] + 12 * i - 3, view_y[k] + g * j - 1, teal);
}

void Tviews::draw_symbol(platform::Canvas& canvas, bool use_layout, bool erase, Tinteger_point position,
                         bool american_method)
{
    if (use_layout) {
        american_method = american;
        position = {symbol_x, symbol_y};
    }
    const platform::bitmap& symbol = (american_method ? american_symbol : european_symbol).picture;
    if (erase)
        clear_rectangle(canvas, {position.x, position.y, position.x + symbol.width, position.y + symbol.height});
    else
        draw_bitmap_at(canvas, symbol, position, platform::raster_operation::and_destination);
}

void Tviews::draw_help_lines(platform::Canvas& canvas, const Thelp_points& points, int direction, bool to_point,
                             int k)
{
    if (!is_view(k))
        return;
    const int left = view_x[k], top = view_y[k];
    const int right = left + cell_width, bottom = top + cell_height;
    const bool across = direction == help_line_from_left || direction == help_line_to_right;
    for (int i = 1; i <= std::min(points.count, max_help_points); ++i) {
        const Tinteger_point p = points.points[i];
        Tinteger_point from = across ? Tinteger_point{left, p.y} : Tinteger_point{p.x, top};
        Tinteger_point to = across ? Tinteger_point{right, p.y} : Tinteger_point{p.x, bottom};
        if (to_point) {
            if (direction == help_line_from_left || direction == help_line_from_top)
                to = p;
            else
                from = p;
        }
        draw_patterned_line(canvas, from, to, false, 1, 1, teal, dotted_pattern);
    }
}

} // namespace geometry::drawing
