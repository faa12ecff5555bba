// The oblique picture and the normal views of a solid.
#include "geometry/kernel.h"
#include "geometry/picture_drawing.h"
#include "geometry/views.h"
#include "geometry/views_canvas.h"

namespace {

// Left for the American method, right for the European one, then down, so
// the picture shows the front, the top and the side next to the front view.
void give_isometric_turn(Tsolid& solid)
{
    rotate_solid(solid, 0, mirror_objects ? 45 : -45, true, 0);
    rotate_solid(solid, 45, 0, true, 0);
}

} // namespace

void Tviews::clear_oblique_frame(platform::Canvas& canvas) const
{
    clear_rectangle(canvas, {frame_left - 2, frame_top - 2, frame_right + 2, frame_bottom + 2});
}

void Tviews::draw_oblique(platform::Canvas& canvas, bool clear, const Tsolid& solid, bool show_arrows, bool colours,
                          bool dashed_edges, bool perspective, bool isometric, bool hatch)
{
    if (clear)
        clear_oblique_frame(canvas);
    Tsolid copy = solid;
    if (isometric)
        give_isometric_turn(copy);
    const Tinteger_point centre = frame_centre();
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

void Tviews::draw_view(platform::Canvas& canvas, bool clear, bool grid, bool colours, bool dashed_edges, int k,
                       bool rotate, const Tsolid& solid)
{
    if (!is_view(k))
        return;
    if (clear)
        clear_view(canvas, k);
    if (grid)
        draw_grid(canvas, k);
    Tsolid copy = solid;
    if (rotate)
        rotate_solid(copy, view_rotations[k].angle_x, view_rotations[k].angle_y, true, view_rotations[k].angle_z);
    const Tinteger_point centre = cell_centre(k);
    show_solid(canvas, copy, 0, 0, false, colours, true, dashed_edges, false, centre.x, centre.y, view_scale, 0);
}

void Tviews::draw_views(platform::Canvas& canvas, bool clear, bool show_labels, bool show_symbol, bool colours,
                        bool dashed_edges, const Tsolid& solid)
{
    for (int k = 0; k < view_count; ++k)
        if (view_shown[k])
            draw_view(canvas, clear, false, colours, dashed_edges, k, true, solid);
    if (show_symbol)
        draw_symbol(canvas, true, false, {}, american);
    if (show_labels)
        draw_view_labels(canvas);
}
