#include "geometry/drawing/picture_drawing.h"

#include "foundation/messages.h"
#include "geometry/model/outline_sides.h"
#include "geometry/model/palette.h"
#include "geometry/drawing/screen_drawing.h"
#include "platform/core/message_box.h"

#include <vector>

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

namespace {

// The closed outline of the k-th drawn surface as pixel points.
std::vector<Tinteger_point> outline_of(const Tpicture& picture, int k)
{
    std::vector<Tinteger_point> points;
    for (int i = 1; i <= picture.surface_length[k] && i <= max_surface_entries; ++i)
        points.push_back(picture.points[picture.surface_vertices[k][i]]);
    return points;
}

platform::brush surface_brush(int colour, bool colours, bool hatch)
{
    if (colour == cut_surface_colour && (colours || hatch))
        return {platform::brush_style::forward_diagonal, navy};
    if (colours)
        return {platform::brush_style::solid, display_colour(colour)};
    return {platform::brush_style::solid, platform::window_background_colour()};
}

bool has_bridge(const Tpicture& picture, int k)
{
    for (int i = 1; i <= outline_corners(picture, k); ++i)
        if (side_is_bridge(picture, k, i))
            return true;
    return false;
}

void fill_without_outline(platform::Canvas& canvas, const std::vector<Tinteger_point>& outline, const platform::brush& brush)
{
    const platform::pen pen = canvas.pen();
    canvas.set_pen({pen.colour, pen.width, platform::pen_style::none});
    canvas.set_brush(brush);
    canvas.polygon(outline);
    canvas.set_pen(pen);
}

// A cut face is solid material: its hatching lies on the background, not
// over what lies behind it. A bridge to a hole gets no line.
void draw_surface(platform::Canvas& canvas, const Tpicture& picture, int k, const platform::brush& brush)
{
    const std::vector<Tinteger_point> outline = outline_of(picture, k);
    if (brush.style != platform::brush_style::solid)
        fill_without_outline(canvas, outline, {platform::brush_style::solid, platform::window_background_colour()});
    if (!has_bridge(picture, k)) {
        canvas.set_brush(brush);
        canvas.polygon(outline);
        return;
    }
    fill_without_outline(canvas, outline, brush);
    for (int i = 1; i < static_cast<int>(outline.size()); ++i)
        if (!side_is_bridge(picture, k, i))
            canvas.line(outline[static_cast<std::size_t>(i - 1)], outline[static_cast<std::size_t>(i)]);
}

void draw_dashed_edges(platform::Canvas& canvas, const Tpicture& picture)
{
    for (int e = 1; e <= picture.edge_count; ++e)
        draw_patterned_line(canvas, picture.points[picture.edges[e].from_vertex], picture.points[picture.edges[e].to_vertex],
                            false, 1, 1, display_colour(picture.edge_colour), dashed_pattern);
}

// Black; over the object, an arrow pointing away is dashed three on, three off.
class arrow_pixel_rule {
public:
    arrow_pixel_rule(platform::Canvas& canvas, bool behind) : canvas_(canvas), behind_(behind) {}

    void operator()(int x, int y)
    {
        if (behind_ && canvas_.pixel(x, y) != platform::window_background_colour()) {
            counter_ = (counter_ + 1) % 6;
            if (counter_ < 3)
                return;
        }
        canvas_.set_pixel(x, y, platform::black);
    }

private:
    platform::Canvas& canvas_;
    bool behind_;
    int counter_ = 1;
};

} // namespace

void draw_view_arrows(platform::Canvas& canvas, const std::array<Tarrow_mark, 2>& arrows)
{
    const platform::text_background previous = canvas.background_mode();
    canvas.set_background_mode(platform::text_background::transparent);
    for (std::size_t a = 0; a < arrows.size(); ++a) {
        const Tarrow_mark& mark = arrows[a];
        arrow_pixel_rule rule(canvas, mark.behind);
        draw_arrow_outline({mark.tail_x, mark.tail_y}, {mark.head_x, mark.head_y}, std::ref(rule));
        canvas.text_out(mark.label_x, mark.label_y, arrow_labels[a]);
    }
    canvas.set_background_mode(previous);
}

void draw_picture(platform::Canvas& canvas, const Tpicture& picture, int line_width, bool show_arrows, bool colours,
                  bool hatch, bool dashed_edges)
{
    canvas.set_pen({display_colour(picture.edge_colour), line_width, platform::pen_style::solid});
    for (int k = 1; k <= picture.surface_count; ++k)
        draw_surface(canvas, picture, k, surface_brush(picture.surface_colour[k], colours, hatch));
    if (dashed_edges)
        draw_dashed_edges(canvas, picture);
    if (show_arrows)
        draw_view_arrows(canvas, picture.arrow_marks);
}

void show_solid(platform::Canvas& canvas, const Tsolid& solid, int angle_x, int angle_y, bool show_arrows,
                bool colours, bool hatch, bool dashed_edges, bool perspective, int centre_x, int centre_y,
                long double scale, int angle_z)
{
    Tpicture picture;
    make_picture(solid, angle_x, angle_y, picture, perspective, centre_x, centre_y, scale, angle_z);
    draw_picture(canvas, picture, scale > 0.5L ? 3 : 1, show_arrows, colours, hatch, dashed_edges);
}

bool surface_region(const Tpicture& picture, int k, platform::polygon_region& region, platform::colour_ref& colour)
{
    region = {};
    if (k < 1 || k > picture.surface_count)
        return false;
    const std::vector<Tinteger_point> outline = outline_of(picture, k);
    if (outline.size() < 3) {
        show_message("Could not create Region!", platform::MB_ICONERROR);
        return false;
    }
    region = platform::polygon_region(outline);
    colour = display_colour(picture.surface_colour[k]);
    return true;
}

} // namespace geometry::drawing
