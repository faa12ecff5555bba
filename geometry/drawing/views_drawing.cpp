// The oblique picture and the normal views of a solid.
#include "geometry/model/cutting.h"
#include "geometry/drawing/hidden_lines_drawing.h"
#include "geometry/model/kernel.h"
#include "geometry/model/palette.h"
#include "geometry/drawing/picture_drawing.h"
#include "geometry/drawing/screen_drawing.h"
#include "geometry/drawing/views.h"
#include "geometry/drawing/views_canvas.h"

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

namespace {

// A cut that fails has shown why and left the solid whole, which is then
// drawn as it is.
void cut_away_front(Tsolid& solid)
{
    bool done = false;
    std::int32_t sections = 0;
    cut_solid(solid, done, sections, done);
}

} // namespace

void Tviews::clear_oblique_frame(platform::Canvas& canvas) const
{
    clear_rectangle(canvas, {frame_left - 2, frame_top - 2, frame_right + 2, frame_bottom + 2});
}

void Tviews::draw_oblique(platform::Canvas& canvas, bool clear, const Tsolid& solid, bool show_arrows, bool colours,
                          bool dashed_edges, bool perspective, bool hidden_lines, bool isometric, bool hatch, bool cut)
{
    if (clear)
        clear_oblique_frame(canvas);
    Tsolid copy = solid;
    if (cut)
        cut_away_front(copy);
    if (isometric)
        give_isometric_turn(copy);
    const Tinteger_point centre = frame_centre();
    if (hidden_lines)
        draw_object_with_hidden_lines(canvas, copy, 0, 0, 0, show_arrows, platform::black, perspective, centre.y,
                                      centre.x, frame_scale);
    else
        show_solid(canvas, copy, 0, 0, show_arrows, colours, hatch, dashed_edges, perspective, centre.x, centre.y,
                   frame_scale, 0);
}

Tpicture Tviews::picture_in_frame(const Tsolid& solid) const
{
    Tsolid copy = solid;
    give_isometric_turn(copy);
    const Tinteger_point centre = frame_centre();
    Tpicture picture;
    make_picture(copy, 0, 0, picture, false, centre.x, centre.y, frame_scale, 0);
    return picture;
}

void Tviews::draw_picture_in_frame(platform::Canvas& canvas, bool clear, const Tpicture& picture, bool show_arrows,
                                   bool colours, bool dashed_edges)
{
    if (clear)
        clear_oblique_frame(canvas);
    draw_picture(canvas, picture, 3, show_arrows, colours, true, dashed_edges);
}

void Tviews::draw_drawing_in_frame(platform::Canvas& canvas, bool clear, platform::colour_ref colour,
                                   const Tscreen_drawing& drawing)
{
    if (clear)
        clear_oblique_frame(canvas);
    draw_screen_drawing(canvas, drawing, colour, true);
}

void Tviews::draw_arrows_in_frame(platform::Canvas& canvas, const Tscreen_drawing& drawing)
{
    draw_drawing_arrows(canvas, drawing);
}

void Tviews::prepare_cell(platform::Canvas& canvas, bool clear, bool grid, int k)
{
    if (clear)
        clear_view(canvas, k);
    if (grid)
        draw_grid(canvas, k);
}

void Tviews::draw_view(platform::Canvas& canvas, bool clear, bool grid, bool colours, bool dashed_edges, int k,
                       bool hidden_lines, bool rotate, const Tsolid& solid)
{
    if (!is_view(k))
        return;
    prepare_cell(canvas, clear, grid, k);
    Tsolid copy = solid;
    if (rotate)
        rotate_solid(copy, view_rotations[k].angle_x, view_rotations[k].angle_y, true, view_rotations[k].angle_z);
    const Tinteger_point centre = cell_centre(k);
    if (!hidden_lines) {
        show_solid(canvas, copy, 0, 0, false, colours, true, dashed_edges, false, centre.x, centre.y, view_scale, 0);
        return;
    }
    draw_object_with_hidden_lines(canvas, copy, 0, 0, 0, false, platform::black, false, centre.y, centre.x,
                                  view_scale);
    if (copy.edge_marked) {
        // Seen end-on the marked edge draws no line; the cross shows where it is.
        const std::array<Tinteger_point, 2> ends = marked_edge_in_view(copy, k);
        if (points_equal(ends[0], ends[1]))
            draw_cross(canvas, ends[0], blue);
    }
}

void Tviews::draw_views(platform::Canvas& canvas, bool clear, bool show_labels, bool show_symbol, bool colours,
                        bool dashed_edges, bool hidden_lines, const Tsolid& solid)
{
    for (int k = 0; k < view_count; ++k)
        if (view_shown[k])
            draw_view(canvas, clear, false, colours, dashed_edges, k, hidden_lines, true, solid);
    if (show_symbol)
        draw_symbol(canvas, true, false, {}, american);
    if (show_labels)
        draw_view_labels(canvas);
}

void Tviews::draw_drawing_in_view(platform::Canvas& canvas, bool clear, bool grid, platform::colour_ref colour, int k,
                                  const Tscreen_drawing& drawing)
{
    if (!is_view(k))
        return;
    prepare_cell(canvas, clear, grid, k);
    draw_screen_drawing(canvas, drawing, colour, false);
}

} // namespace geometry::drawing
