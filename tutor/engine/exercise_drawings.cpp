#include "tutor/engine/exercise_drawings.h"

#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "geometry/model/picture.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/rounding.h"
#include "geometry/model/screen_metrics.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace foundation;
using namespace geometry::model;

namespace tutor::engine {

namespace {

// In object units: shorter than this an edge is seen end-on; an edge to
// mark is at least a quarter unit long wherever it shows as a line.
constexpr long double end_on_length = 0.001L;
constexpr long double markable_length = 0.25L;

long double edge_length(const Tsolid& turned, int e)
{
    const Tpoint3d& a = turned.vertices[turned.edges[e].from_vertex];
    const Tpoint3d& b = turned.vertices[turned.edges[e].to_vertex];
    return std::hypot(b.x - a.x, b.y - a.y);
}

bool markable(const std::vector<Tsolid>& views, const Tsolid& picture, int e)
{
    if (edge_length(picture, e) < markable_length)
        return false;
    return std::all_of(views.begin(), views.end(), [e](const Tsolid& turned) {
        const long double length = edge_length(turned, e);
        return length < end_on_length || length >= markable_length;
    });
}

// The scale that puts a drawing reaching `extent` units from its centre
// within `share` of the width and of the height.
long double scale_to_fit(long double extent, int width, int height, long double share, long double usual)
{
    if (extent <= 0 || usual <= 0)
        return usual;
    const long double across = share * width / (extent * pixels_per_unit_x);
    const long double up = share * height / (extent * pixels_per_unit_y);
    return std::clamp(std::min(across, up), usual, 2 * usual);
}

bool has_length(const Tscreen_line& line)
{
    return line.x1 != line.x2 || line.y1 != line.y2;
}

} // namespace

Tworkbench_layout exercise_layout(int width, int height, bool six_views)
{
    constexpr int margin = 10;
    const long double frame_share = six_views ? 1.3L : 1.5L;   // of a cell's height
    const long double columns = (six_views ? 4.2L : 2.2L) + frame_share;
    const long double rows = six_views ? 3.05L : 2.05L;
    const long double usable_width = std::max(width - 2 * margin, 0);
    const long double usable_height = std::max(height - 2 * margin, 0);
    const long double v = std::min(usable_width / (columns * aspect), usable_height / rows);
    Tworkbench_layout layout;
    layout.cell_height = round_to_pixel(v);
    layout.frame_height = round_to_pixel(frame_share * v);
    const int x0 = margin + round_to_pixel((usable_width - columns * aspect * v) / 2);
    layout.views_origin = {x0, (height - (six_views ? 3 : 2) * layout.cell_height) / 2};
    layout.frame_origin = {x0 + round_to_pixel((six_views ? 4.2L : 2.2L) * aspect * v),
                           (height - layout.frame_height) / 2};
    return layout;
}

long double fitted_view_scale(const Tsolid& solid, int cell_width, int cell_height, long double usual)
{
    long double extent = 0;
    for (int v = 1; v <= std::min(solid.vertex_count, max_vertices); ++v) {
        const Tpoint3d& p = solid.vertices[static_cast<std::size_t>(v)];
        extent = std::max({extent, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    }
    return scale_to_fit(extent, cell_width, cell_height, 0.38L, usual);
}

long double fitted_frame_scale(const Tsolid& solid, int frame_width, int frame_height, long double usual)
{
    const Tsolid turned = solid_in_projection(solid, oblique_projection, false);
    long double extent = 0;
    for (int v = 1; v <= std::min(turned.vertex_count, max_vertices); ++v) {
        const Tpoint3d& p = turned.vertices[static_cast<std::size_t>(v)];
        extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
    }
    return scale_to_fit(extent, frame_width, frame_height, 0.42L, usual);
}

std::array<int, 3> three_views()
{
    return {1, 2, mirror_objects ? 0 : 4};
}

Tsolid solid_in_projection(const Tsolid& solid, int projection, bool cut)
{
    Tsolid copy = solid;
    if (cut) {
        bool done = false;
        std::int32_t sections = 0;
        cut_solid(copy, done, sections, done);   // a failed cut has said why and left the solid whole
    }
    if (projection == oblique_projection) {
        give_isometric_turn(copy);
    } else if (projection >= 0 && projection < view_count) {
        const Tview_rotation& r = view_rotations[static_cast<std::size_t>(projection)];
        rotate_solid(copy, r.angle_x, r.angle_y, true, r.angle_z);
    }
    return copy;
}

Tscreen_drawing drawing_at(const Tsolid& turned, const Tprojection_place& place)
{
    Tscreen_drawing drawing;
    compute_hidden_line_drawing(turned, 0, 0, 0, drawing, true, false, place.centre.y, place.centre.x, place.scale);
    return drawing;
}

Tinteger_point vertex_at(const Tsolid& turned, int v, const Tprojection_place& place)
{
    const Tpoint3d& p = turned.vertices[static_cast<std::size_t>(v)];
    return project_point(place.centre.x, place.centre.y, place.scale, p.x, p.y);
}

void gather_attractors(Tattractors& attractors, const Tsolid& turned, const Tscreen_drawing& drawing,
                       const Tprojection_place& place)
{
    attractors = {};
    for (int v = 1; v <= std::min(turned.vertex_count, max_vertices); ++v)
        add_attractor(attractors, vertex_at(turned, v, place));
    add_line_ends(attractors, drawing);
}

int choose_marked_edge(const Tsolid& solid, std::span<const int> views, const Tchoice& choose)
{
    std::vector<Tsolid> turned_views;
    for (int v : views)
        turned_views.push_back(solid_in_projection(solid, v, false));
    const Tsolid picture = solid_in_projection(solid, oblique_projection, false);
    std::vector<int> candidates;
    for (int e = 1; e <= std::min(solid.edge_count, max_edges); ++e)
        if (markable(turned_views, picture, e))
            candidates.push_back(e);
    if (candidates.empty())
        return 1;
    const int n = static_cast<int>(candidates.size());
    return candidates[static_cast<std::size_t>(std::clamp(choose(n), 0, n - 1))];
}

void want_marked_edge(Tconstruction_items& wanted, const Tsolid& turned, const Tprojection_place& place, int width)
{
    if (turned.marked_edge < 1 || turned.marked_edge > std::min(turned.edge_count, max_edges))
        return;
    const Tedge& edge = turned.edges[turned.marked_edge];
    const Tinteger_point a = vertex_at(turned, edge.from_vertex, place);
    const Tinteger_point b = vertex_at(turned, edge.to_vertex, place);
    if (points_equal(a, b))
        add_marked_point(wanted, a);
    else
        add_construction_line(wanted, {solid_kind, width, a, b});
}

void want_drawing_lines(Tconstruction_items& wanted, const Tscreen_drawing& drawing, bool with_hidden)
{
    const auto want = [&](const Tscreen_lines& list, int kind) {
        for (int i = 1; i <= std::min(list.count, max_drawing_lines); ++i) {
            const Tscreen_line& l = list.lines[static_cast<std::size_t>(i)];
            add_construction_line(wanted, {kind, 1, {l.x1, l.y1}, {l.x2, l.y2}});
        }
    };
    want(drawing.visible, solid_kind);
    if (with_hidden)
        want(drawing.hidden, dashed_kind);
}

void want_section_surfaces(Tconstruction_items& wanted, const Tsolid& turned, const Tprojection_place& place)
{
    for (int s = 1; s <= std::min(turned.surface_count, max_surfaces); ++s) {
        if (turned.surface_colour[static_cast<std::size_t>(s)] != cut_surface_colour)
            continue;
        std::vector<Tinteger_point> corners;
        for (int i = 1; i <= turned.corner_count(s); ++i)
            corners.push_back(vertex_at(turned, turned.surface_vertices[static_cast<std::size_t>(s)][static_cast<std::size_t>(i)], place));
        add_construction_surface(wanted, corners);
    }
}

void take_out_lines(Tscreen_drawing& given, Tconstruction_items& wanted, int count, const Tchoice& choose)
{
    struct place_in_list {
        Tscreen_lines* list;
        int index;
    };
    std::vector<place_in_list> candidates;
    for (Tscreen_lines* list : {&given.visible, &given.hidden})
        for (int i = 1; i <= std::min(list->count, max_drawing_lines); ++i)
            if (has_length(list->lines[static_cast<std::size_t>(i)]))
                candidates.push_back({list, i});
    Tscreen_drawing taken;
    std::vector<place_in_list> chosen;
    const int taking = std::min(count, static_cast<int>(candidates.size()) - 1);
    for (int k = 0; k < taking; ++k) {
        const int n = static_cast<int>(candidates.size());
        const std::size_t c = static_cast<std::size_t>(std::clamp(choose(n), 0, n - 1));
        chosen.push_back(candidates[c]);
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(c));
    }
    // Taken out from the back of each list, so the places still to take stay where they are.
    std::sort(chosen.begin(), chosen.end(), [](const place_in_list& a, const place_in_list& b) { return a.index > b.index; });
    for (const place_in_list& p : chosen) {
        Tscreen_lines& into = p.list == &given.visible ? taken.visible : taken.hidden;
        into.lines[static_cast<std::size_t>(++into.count)] = p.list->lines[static_cast<std::size_t>(p.index)];
        std::copy(p.list->lines.begin() + p.index + 1, p.list->lines.begin() + p.list->count + 1,
                  p.list->lines.begin() + p.index);
        --p.list->count;
    }
    want_drawing_lines(wanted, taken, true);
}

} // namespace tutor::engine
