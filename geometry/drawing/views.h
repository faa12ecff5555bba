#pragma once
// The projections of one solid on a window: an oblique picture (perspective
// or isometric) in a frame, and the normal views (three or six) laid out by
// the American or the European method, each in its cell, with the view
// labels and the projection method symbol.
//
// A window places the frame and the cells from its client area
// (set_oblique_frame, layout_views) whenever it is resized or the layout
// changes; the drawing operations use the last placement. A Tviews holds
// geometry only. Every solid it is given is copied before it is turned or
// cut: the caller's solid never changes.
//
// Views are those of projection_convention.h, 0 to 5; an operation asked for
// a view outside them does nothing.

#include "geometry/model/hidden_lines.h"
#include "geometry/model/picture.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/solid.h"
#include "platform/core/canvas.h"

#include <array>
#include <cstdint>

namespace geometry::drawing {

inline constexpr int max_help_points = 25;

// The points that help lines are drawn through, numbered from 1.
struct Thelp_points {
    std::int32_t count = 0;
    std::array<foundation::Tinteger_point, max_help_points + 1> points{};
};

// Help line directions: lines run across the cell (0, 2) or up and down it
// (1, 3); drawn to a point, from the left edge (0), the top edge (1), to the
// right edge (2) or to the bottom edge (3).
inline constexpr int help_line_from_left = 0;
inline constexpr int help_line_from_top = 1;
inline constexpr int help_line_to_right = 2;
inline constexpr int help_line_to_bottom = 3;

class Tviews {
public:
    std::int32_t frame_left = 0;
    std::int32_t frame_top = 0;
    std::int32_t frame_right = 0;
    std::int32_t frame_bottom = 0;
    std::array<std::int32_t, geometry::model::view_count> view_x{};   // top left of each view's cell
    std::array<std::int32_t, geometry::model::view_count> view_y{};
    std::int32_t cell_width = 0;
    std::int32_t cell_height = 0;
    std::int32_t frame_width = 0;
    std::int32_t frame_height = 0;
    long double frame_scale = 0;
    bool labels_shown = false;   // the view labels are on the screen
    long double view_scale = 0;
    bool american = true;        // the layout is American
    std::int32_t symbol_x = 0;   // top left of the projection symbol
    std::int32_t symbol_y = 0;
    std::array<bool, geometry::model::view_count> view_shown{};   // the view has a cell in the layout

    // The oblique frame at the origin, `height` high and as wide as the
    // screen's proportions make it. Returns the width.
    int set_oblique_frame(foundation::Tinteger_point origin, int height);

    // Cells of the (even) height for the layout mode of
    // projection_convention.h, from the origin. Cells lower than 60 pixels
    // stand 1.3 cells apart, so their labels keep room. Returns the cell width.
    int layout_views(foundation::Tinteger_point origin, int height, int mode);

    // The solid in the oblique frame, optionally cut first (what lies in
    // front of its plane z = 0 sawn off; a cut that cannot be made leaves it
    // whole) and given the isometric turn (about the vertical, which way by
    // the convention, then tipped towards the viewer); as a black line
    // drawing with hidden lines dashed, or as a filled picture.
    void draw_oblique(platform::Canvas& canvas, bool clear, const geometry::model::Tsolid& solid, bool show_arrows, bool colours,
                      bool dashed_edges, bool perspective, bool hidden_lines, bool isometric, bool hatch, bool cut);

    // The solid given the isometric turn and projected at the frame's
    // centre and scale, without perspective.
    geometry::model::Tpicture picture_in_frame(const geometry::model::Tsolid& solid) const;
    // The picture with lines 3 pixels wide and cut surfaces hatched.
    void draw_picture_in_frame(platform::Canvas& canvas, bool clear, const geometry::model::Tpicture& picture, bool show_arrows,
                               bool colours, bool dashed_edges);
    // A line drawing computed before, in the colour, with its view arrows.
    void draw_drawing_in_frame(platform::Canvas& canvas, bool clear, platform::colour_ref colour,
                               const geometry::model::Tscreen_drawing& drawing);
    // Only the drawing's view arrows, over what is there.
    void draw_arrows_in_frame(platform::Canvas& canvas, const geometry::model::Tscreen_drawing& drawing);

    // View k in its cell without arrows: a filled picture with cut surfaces
    // hatched, or a black line drawing with hidden lines dashed, in which a
    // marked edge seen end-on shows as a blue cross. With `rotate` the solid
    // is first turned so that view k looks along -z, else it is drawn as it
    // stands.
    void draw_view(platform::Canvas& canvas, bool clear, bool grid, bool colours, bool dashed_edges, int k,
                   bool hidden_lines, bool rotate, const geometry::model::Tsolid& solid);
    // Every view of the layout, then the symbol and the labels when asked.
    void draw_views(platform::Canvas& canvas, bool clear, bool show_labels, bool show_symbol, bool colours,
                    bool dashed_edges, bool hidden_lines, const geometry::model::Tsolid& solid);
    // A line drawing computed before, in cell k in the colour, without arrows.
    void draw_drawing_in_view(platform::Canvas& canvas, bool clear, bool grid, platform::colour_ref colour, int k,
                              const geometry::model::Tscreen_drawing& drawing);

    // The cell in the window background colour, its label erased when the
    // labels are on the screen.
    void clear_view(platform::Canvas& canvas, int k);
    // The label in black, near the cell's bottom left, in the canvas's font;
    // to erase it, in the window background colour.
    void draw_view_label(platform::Canvas& canvas, int k, bool erase);
    // The labels of every view of the layout; they are then on the screen.
    void draw_view_labels(platform::Canvas& canvas);
    // Teal dots 12 pixels apart across, as far apart up and down as the
    // screen's proportions make 12 pixels look.
    void draw_grid(platform::Canvas& canvas, int k);

    // The American or the European symbol ANDed onto the picture at the
    // position, so its white leaves what is there; or its rectangle erased.
    // With use_layout the method and position are the layout's.
    void draw_symbol(platform::Canvas& canvas, bool use_layout, bool erase, foundation::Tinteger_point position,
                     bool american_method);

    // A dotted teal line in cell k through each point, across the cell or
    // between the point and the edge the direction names.
    void draw_help_lines(platform::Canvas& canvas, const Thelp_points& points, int direction, bool to_point, int k);

    // The marked edge's two pixel points in cell k, the solid projected as
    // it stands.
    std::array<foundation::Tinteger_point, 2> marked_edge_in_view(const geometry::model::Tsolid& solid, int k) const;

    foundation::Tinteger_point frame_centre() const;
    foundation::Tinteger_point cell_centre(int k) const;

private:
    void clear_oblique_frame(platform::Canvas& canvas) const;
    void prepare_cell(platform::Canvas& canvas, bool clear, bool grid, int k);
    void draw_view_label_in(platform::Canvas& canvas, int k, platform::colour_ref colour) const;
};

bool is_view(int k);

} // namespace geometry::drawing
