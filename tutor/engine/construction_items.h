#pragma once
// What a pupil constructs in one drawing area of an exercise window, and
// what the exercise wants there, in window pixels: marked points, lines
// (solid or dashed, of a width) and, in the cut exercise, surfaces given by
// their corners. The pupil's lines of one kind and width are kept merged,
// so a line drawn in pieces is the one line it makes.
//
// Every list is a fixed array with its count; nothing is added beyond it.

#include "foundation/plane_geometry.h"

#include <array>
#include <span>

namespace tutor::engine {

inline constexpr int max_marked_points = 2;
inline constexpr int max_lines_per_group = 50;   // as a line list of a drawing
inline constexpr int max_construction_lines = 2 * max_lines_per_group;
inline constexpr int max_construction_surfaces = 8;
inline constexpr int max_surface_corners = 19;

// Line kinds are the tool codes of the two line tools.
inline constexpr int solid_kind = 1;
inline constexpr int dashed_kind = 2;

struct Tconstruction_line {
    int kind = solid_kind;
    int width = 1;
    foundation::Tinteger_point from{};
    foundation::Tinteger_point to{};
};

struct Tconstruction_surface {
    int corner_count = 0;
    std::array<foundation::Tinteger_point, max_surface_corners> corners{};
};

struct Tconstruction_items {
    int point_count = 0;
    std::array<foundation::Tinteger_point, max_marked_points> points{};
    int line_count = 0;
    std::array<Tconstruction_line, max_construction_lines> lines{};
    int surface_count = 0;
    std::array<Tconstruction_surface, max_construction_surfaces> surfaces{};

    std::span<const foundation::Tinteger_point> marked_points() const { return {points.data(), std::size_t(point_count)}; }
    std::span<const Tconstruction_line> line_list() const { return {lines.data(), std::size_t(line_count)}; }
    std::span<const Tconstruction_surface> surface_list() const
    {
        return {surfaces.data(), std::size_t(surface_count)};
    }
};

// The wanted items of one drawing area and what the pupil has made there.
struct Tconstruction_record {
    Tconstruction_items wanted;
    Tconstruction_items pupil;
};

inline constexpr int view_wrong = 0;
inline constexpr int view_incomplete = 1;
inline constexpr int view_right = 2;

// Same kind and width, and the same two end points in either order.
bool lines_equal(const Tconstruction_line& a, const Tconstruction_line& b);
// The same number of corners, and every corner of each is a corner of the other.
bool surfaces_equal(const Tconstruction_surface& a, const Tconstruction_surface& b);

// view_wrong when the pupil made more of anything, or anything the
// exercise does not want; view_incomplete when all the pupil made is
// wanted but something is missing; view_right when it is exactly the
// wanted items. Surfaces count only when surfaces_judged.
int judge_items(const Tconstruction_items& wanted, const Tconstruction_items& pupil, bool surfaces_judged);

// Appends the line and merges the lines of its kind and width (touching
// ones too). False, and nothing changed, for a line without length or one
// its kind and width, or the list, has no room for.
bool add_construction_line(Tconstruction_items& items, const Tconstruction_line& line);

// False, and nothing changed, when the point is marked already or two are.
bool add_marked_point(Tconstruction_items& items, foundation::Tinteger_point point);

// The corners as an outline: repeated neighbours and corners that lie on
// the straight line between their neighbours left out. False, and nothing
// changed, when fewer than three corners remain or eight surfaces are there.
bool add_construction_surface(Tconstruction_items& items, std::span<const foundation::Tinteger_point> corners);

// The outline the corners make, as add_construction_surface keeps it; no
// corners when more than 19 would remain.
Tconstruction_surface simplified_outline(std::span<const foundation::Tinteger_point> corners);

// Pixels within which the rubber takes a line or a point.
inline constexpr long double rubout_reach = 4;

// Removes the line nearest the point within the rubber's reach, else such a
// marked point, else the last surface holding the point; whether one was.
bool rub_out_at(Tconstruction_items& items, foundation::Tinteger_point point);

} // namespace tutor::engine
