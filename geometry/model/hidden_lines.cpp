#include "geometry/model/hidden_lines.h"

#include "foundation/messages.h"
#include "foundation/texts.h"
#include "geometry/model/kernel.h"
#include "geometry/model/line_merging.h"
#include "platform/core/message_box.h"

using namespace foundation;

namespace geometry::model {

namespace {

// A stretch counts when the squared length of its edge's projection times
// its parameter length is above this.
constexpr long double shortest_stretch = 0.01L;

void append_line(Tdrawing_lines& list, const Tdrawing_line& line)
{
    if (list.count >= max_drawing_lines) {
        show_message("Too many lines in drawing!", platform::MB_ICONINFORMATION);
        return;
    }
    list.lines[++list.count] = line;
}

// The drawable stretches of edge e; the whole of a highlighted edge is kept,
// its not-drawn stretches as highlighted hidden lines.
void add_edge_lines(const Tsolid& transformed, int e, const Tedge_visibility& record, Tline_drawing& drawing)
{
    const Tpoint3d& a = transformed.vertices[transformed.edges[e].from_vertex];
    const Tpoint3d& b = transformed.vertices[transformed.edges[e].to_vertex];
    const long double dx = b.x - a.x, dy = b.y - a.y;
    const long double l2 = dx * dx + dy * dy;
    const bool highlighted = transformed.edge_marked && transformed.marked_edge == e;
    for (int j = 1; j <= record.count; ++j) {
        const Tbreakpoint& here = record.breakpoints[j];
        const long double tn = j < record.count ? record.breakpoints[j + 1].t : 1;
        if (l2 * (tn - here.t) <= shortest_stretch)
            continue;
        const Tdrawing_line line{a.x + dx * here.t, a.y + dy * here.t, a.x + dx * tn, a.y + dy * tn, highlighted};
        if (here.level == visible_level)
            append_line(drawing.visible, line);
        else if (here.level == hidden_level || highlighted)
            append_line(drawing.hidden, line);
    }
}

} // namespace

void build_drawing_lines(const Tsolid& transformed, const Tedge_visibilities& records, Tline_drawing& drawing,
                         bool join_touching)
{
    drawing.visible.count = 0;
    drawing.hidden.count = 0;
    for (int e = 1; e <= transformed.edge_count; ++e)
        add_edge_lines(transformed, e, records[e], drawing);
    drawing.view_arrows = transformed.view_arrows;
    merge_collinear_lines(drawing.visible, join_touching, false, 0.0001L, 0.0003L);
    if (drawing.hidden.count > 0)
        merge_collinear_lines(drawing.hidden, join_touching, false, 0.0001L, 0.0003L);
}

void compute_line_drawing(const Tsolid& solid, int angle_x, int angle_y, int angle_z, Tline_drawing& drawing,
                          bool join_touching, bool perspective)
{
    Tvisibility front{};
    const Tsolid transformed = turned_for_view(solid, angle_x, angle_y, angle_z, perspective, front);

    Tedge_visibilities records{};
    bool refused = false;
    for (int e = 1; e <= transformed.edge_count; ++e) {
        records[e] = compute_edge_visibility(transformed, e, front);
        refused |= records[e].refused;
    }
    if (refused)
        show_message(text_of(text_names::solid_problems::too_many_crossings), platform::MB_ICONINFORMATION);
    build_drawing_lines(transformed, records, drawing, join_touching);
}

void drawing_to_screen(const Tline_drawing& drawing, Tscreen_drawing& result, int origin_y, int origin_x,
                       long double scale)
{
    const auto convert = [&](const Tdrawing_lines& from, Tscreen_lines& to) {
        to.count = from.count;
        for (int i = 1; i <= from.count; ++i) {
            const Tdrawing_line& line = from.lines[i];
            const Tinteger_point p1 = project_point(origin_x, origin_y, scale, line.x1, line.y1);
            const Tinteger_point p2 = project_point(origin_x, origin_y, scale, line.x2, line.y2);
            to.lines[i] = {p1.x, p1.y, p2.x, p2.y, line.highlighted};
        }
    };
    convert(drawing.visible, result.visible);
    convert(drawing.hidden, result.hidden);
    for (int a = 0; a < 2; ++a)
        result.arrow_marks[a] = project_view_arrow(drawing.view_arrows[a], origin_x, origin_y, scale);
}

void compute_hidden_line_drawing(const Tsolid& solid, int angle_x, int angle_y, int angle_z, Tscreen_drawing& result,
                                 bool join_touching, bool perspective, int origin_y, int origin_x, long double scale)
{
    Tline_drawing drawing;
    compute_line_drawing(solid, angle_x, angle_y, angle_z, drawing, join_touching, perspective);
    drawing_to_screen(drawing, result, origin_y, origin_x, scale);
}

} // namespace geometry::model
