#pragma once
// Which stretches of one edge are visible, hidden behind a surface of the
// solid, or not drawn at all: the edge is clipped against every surface
// that faces the viewer, in the edge's own frame.
//
// Edge frame: for an edge from A to B (x, y as projected), every vertex P
// gets t, its position along the edge (A is 0, B is 1), and d, its signed
// distance across the edge line in units of the edge's length; z is kept.
// A solid in edge-frame form holds d in the x slot and t in the y slot of
// its vertices, so its surface lists are used unchanged.
//
// Both records below are fixed arrays numbered from 1. An insertion that
// would go beyond their capacity is refused and remembered in `refused`,
// so that the drawing can say so once; nothing is ever written past them.

#include "geometry/model/kernel.h"
#include "geometry/model/solid.h"

#include <array>
#include <cstdint>

namespace geometry::model {

inline constexpr int max_breakpoints = 20;
inline constexpr int max_crossings = 25;

// Levels of a stretch of an edge.
inline constexpr std::uint8_t visible_level = 0;
inline constexpr std::uint8_t hidden_level = 1;
inline constexpr std::uint8_t not_drawn_level = 2;

struct Tbreakpoint {
    long double t = 0;
    std::uint8_t level = visible_level;
};

// Breakpoint i starts the stretch [t(i), t(i+1)) with its level. The first
// stays at t = 0, t increases, and the last has level 2 so nothing from it
// to the end of the edge is drawn; neighbouring stretches of equal level
// are merged by painting.
struct Tedge_visibility {
    std::int32_t count = 0;
    std::array<Tbreakpoint, max_breakpoints + 1> breakpoints{};
    bool refused = false;
};

// Codes of a crossing of the edge line with a surface's outline.
inline constexpr std::uint8_t outline_leaves = 0;
inline constexpr std::uint8_t outline_enters = 1;
inline constexpr std::uint8_t side_on_line_ends = 2;
inline constexpr std::uint8_t side_on_line_starts = 3;

struct Tcrossing {
    long double t = 0;
    std::uint8_t code = outline_leaves;
};

// The crossings of one edge line with one outline, sorted by t.
struct Tcrossing_list {
    std::int32_t count = 0;
    std::array<Tcrossing, max_crossings + 1> entries{};
    bool refused = false;
};

// {(0, visible), (1, not drawn)}, or wholly not drawn for an edge seen end-on.
Tedge_visibility new_edge_visibility(bool end_on);

// Inserts a crossing so that an entry and an exit at the same place cancel,
// two entries at the same place count once, and touching stretches along
// outline sides are joined.
void add_crossing(std::uint8_t code, Tcrossing_list& list, long double t);

// Keeps only what lies within [tlo, thi]; a stretch that one of them cuts
// is shortened to it.
void restrict_crossings(Tcrossing_list& list, long double tlo, long double thi);

// Every point of [t1, t2] gets the larger of its level and `level`. A start
// below -0.0001 or an end above 1.0001 shows "t1 te groot of t2 te klein"
// and the painting is still done.
void paint_edge_interval(std::uint8_t level, Tedge_visibility& record, long double t1, long double t2);

// The transformed solid with d and t of the edge from vertex a to vertex b
// in place of x and y. The edge's projection must not be a point.
Tsolid edge_frame_solid(const Tsolid& transformed, int a, int b);

// Whether surface s of an edge-frame solid can reach the edge at all: its
// outline meets the edge line, is not wholly before A or beyond B, and is
// not wholly behind the nearer end.
bool surface_may_hide_edge(const Tsolid& frame, int s, long double z_a, long double z_b);

// The part [tlo, thi] of the edge that lies behind the plane of surface s;
// false when no part does, or when the surface is seen edge-on.
bool edge_behind_surface_plane(const Tsolid& frame, int s, long double z_a, long double z_b, long double& tlo,
                               long double& thi);

// The surfaces facing the viewer that have the edge as a side (at most four are kept).
struct Tedge_faces {
    std::int32_t count = 0;
    std::array<int, 4> surfaces{};
};

// Paints the stretches of the edge that lie behind surface s (hidden) or
// run along one of its sides in front of it (not drawn). Along such a side
// the edge is left as it is where one of its own faces shows on the side
// of the line that surface s leaves free: there the edge bounds what is
// seen, as the inner edge of a step seen from above does.
void clip_edge_against_surface(const Tsolid& frame, int s, Tedge_visibility& record, long double z_a, long double z_b,
                               const Tedge_faces& own_faces = {});

// The front-facing surfaces of a transformed solid whose outlines run
// along the edge from vertex a to vertex b (either way, bridges aside).
Tedge_faces faces_of_edge(const Tsolid& transformed, int a, int b, const Tvisibility& front);

// The visibility of edge e of a transformed solid against the surfaces
// that face the viewer (`front[s]`).
Tedge_visibility compute_edge_visibility(const Tsolid& transformed, int e, const Tvisibility& front);

} // namespace geometry::model
