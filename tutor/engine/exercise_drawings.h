#pragma once
// The geometry of the drawing exercises, without a window: the solid as
// one projection of an exercise shows it, its hidden-line drawing and
// vertices in pixels, and from them what each exercise wants the pupil to
// draw there.

#include "geometry/model/hidden_lines.h"
#include "geometry/model/workbench_layout.h"
#include "geometry/model/solid.h"
#include "tutor/engine/attractors.h"
#include "tutor/engine/construction_items.h"

#include <array>
#include <functional>
#include <span>

namespace tutor::engine {

// The oblique (isometric) picture; the normal views are 0 to 5.
inline constexpr int oblique_projection = -1;

// Where one projection stands on the window: its centre and scale.
struct Tprojection_place {
    int projection = oblique_projection;
    foundation::Tinteger_point centre{};
    long double scale = 0;
};

// Where an exercise window places its projections in a drawing area of
// width x height pixels: the normal views (three or six cells) at the left
// and the oblique frame, half as high again as a cell (a third with six
// views), to their right, as large as the area lets them be.
geometry::model::Tworkbench_layout exercise_layout(int width, int height, bool six_views);

// The scale at which the solid fills the projections of a cell (any normal
// view) or of the frame (the isometric picture) of that size: its widest
// extent about four fifths of the width or the height; never below the
// usual scale nor above twice that.
long double fitted_view_scale(const geometry::model::Tsolid& solid, int cell_width, int cell_height, long double usual);
long double fitted_frame_scale(const geometry::model::Tsolid& solid, int frame_width, int frame_height, long double usual);

// A choice among n things: 0 to n - 1.
using Tchoice = std::function<int(int n)>;

// The three normal views of the convention: top, front and the side view
// beside the front view (the right one for the American method, the left
// one for the European).
std::array<int, 3> three_views();

// A copy of the solid as the projection shows it: cut by its plane z = 0
// first when asked (a cut that cannot be made leaves it whole), then given
// the isometric turn, or turned so that the view looks along -z.
geometry::model::Tsolid solid_in_projection(const geometry::model::Tsolid& solid, int projection, bool cut);

// The hidden-line drawing of a turned solid at the place, touching lines joined.
geometry::model::Tscreen_drawing drawing_at(const geometry::model::Tsolid& turned, const Tprojection_place& place);

// Vertex v of a turned solid in pixels at the place.
foundation::Tinteger_point vertex_at(const geometry::model::Tsolid& turned, int v, const Tprojection_place& place);

// Every vertex of a turned solid, then the ends of the drawing's lines.
void gather_attractors(Tattractors& attractors, const geometry::model::Tsolid& turned, const geometry::model::Tscreen_drawing& drawing,
                       const Tprojection_place& place);

// An edge to mark: one the oblique picture shows at least a quarter unit
// long and that each of the given normal views shows either end-on or as
// long; the first edge when none is. Numbered from 1.
int choose_marked_edge(const geometry::model::Tsolid& solid, std::span<const int> views, const Tchoice& choose);

// The solid's marked edge as a turned solid shows it: a line of the width
// from end to end, or a marked point where it is seen end-on.
void want_marked_edge(Tconstruction_items& wanted, const geometry::model::Tsolid& turned, const Tprojection_place& place, int width);

// The drawing's lines, visible ones solid and (with_hidden) hidden ones
// dashed, one pixel wide, merged as the pupil's lines are.
void want_drawing_lines(Tconstruction_items& wanted, const geometry::model::Tscreen_drawing& drawing, bool with_hidden);

// The section surfaces of a cut and turned solid, by their corners.
void want_section_surfaces(Tconstruction_items& wanted, const geometry::model::Tsolid& turned, const Tprojection_place& place);

// Takes up to `count` lines out of the drawing, chosen at random but never
// every line, and wants them back, as want_drawing_lines would.
void take_out_lines(geometry::model::Tscreen_drawing& given, Tconstruction_items& wanted, int count, const Tchoice& choose);

} // namespace tutor::engine
