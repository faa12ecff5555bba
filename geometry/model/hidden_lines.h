#pragma once
// The technical line drawing of one solid in one projection: every edge
// split into visible stretches (solid lines), stretches hidden behind a
// surface (dashed lines) and stretches not drawn (along the outline of a
// surface in front, or an edge seen end-on); overlapping collinear lines
// merged; the result in screen pixels, kept by the views to repaint.
//
// Line lists are fixed arrays of 50 lines numbered from 1. A line beyond
// them shows "Too many lines in drawing!" and is dropped.

#include "geometry/model/edge_visibility.h"
#include "geometry/model/picture.h"
#include "geometry/model/solid.h"

#include <array>
#include <cstdint>

namespace geometry::model {

inline constexpr int max_drawing_lines = 50;

// In drawing units: the transformed coordinates, x right, y up.
struct Tdrawing_line {
    long double x1 = 0;
    long double y1 = 0;
    long double x2 = 0;
    long double y2 = 0;
    bool highlighted = false;
};

struct Tdrawing_lines {
    std::int32_t count = 0;
    std::array<Tdrawing_line, max_drawing_lines + 1> lines{};
};

struct Tline_drawing {
    Tdrawing_lines visible;
    Tdrawing_lines hidden;
    std::array<Tpoint3d, 2> view_arrows{};   // of the transformed solid
};

// In pixels, y down.
struct Tscreen_line {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    bool highlighted = false;
};

struct Tscreen_lines {
    std::int32_t count = 0;
    std::array<Tscreen_line, max_drawing_lines + 1> lines{};
};

// A plain value: the views copy it whole.
struct Tscreen_drawing {
    Tscreen_lines visible;
    Tscreen_lines hidden;
    std::array<Tarrow_mark, 2> arrow_marks{};
};

// Per edge, numbered from 1 like the edges.
using Tedge_visibilities = std::array<Tedge_visibility, max_edges + 1>;

// Turns a copy of the solid (arrows too), applies the perspective when
// asked, finds the visible and hidden stretches of every edge, merges
// overlapping collinear lines (lines that only touch too with
// join_touching) and converts the lists to pixels around the origin at the
// scale. The solid itself is not changed. Edges with more crossings or
// stretches than their lists hold say "Too many crossings on an edge in
// drawing!" once per drawing, and the drawing goes on with what fitted.
void compute_hidden_line_drawing(const Tsolid& solid, int angle_x, int angle_y, int angle_z, Tscreen_drawing& result,
                                 bool join_touching, bool perspective, int origin_y, int origin_x, long double scale);

// The same up to the merging, in drawing units.
void compute_line_drawing(const Tsolid& solid, int angle_x, int angle_y, int angle_z, Tline_drawing& drawing,
                          bool join_touching, bool perspective);

// The visible and hidden lines of the stretches of every edge of a
// transformed solid, then the merging; the whole of a highlighted edge
// stays in the drawing. A stretch is dropped when the squared length of its
// edge's projection times its parameter length is 0.01 or less.
void build_drawing_lines(const Tsolid& transformed, const Tedge_visibilities& records, Tline_drawing& drawing,
                         bool join_touching);

// The drawing in pixels around the origin at the scale, as the kernel
// projects points; the view arrows as arrow marks.
void drawing_to_screen(const Tline_drawing& drawing, Tscreen_drawing& result, int origin_y, int origin_x,
                       long double scale);

} // namespace geometry::model
