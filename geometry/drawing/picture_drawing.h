#pragma once
// Drawing the kernel's pictures: filled surfaces in painter's order with
// their outlines, hatched cut surfaces, dashed edges, and the view arrows
// with their labels.

#include "geometry/model/picture.h"
#include "platform/core/canvas.h"
#include "platform/core/polygon_fill.h"

#include <array>

namespace geometry::drawing {

void draw_picture(platform::Canvas& canvas, const geometry::model::Tpicture& picture, int line_width, bool show_arrows, bool colours,
                  bool hatch, bool dashed_edges);

// make_picture then draw_picture, with lines 3 pixels wide above scale 0.5.
void show_solid(platform::Canvas& canvas, const geometry::model::Tsolid& solid, int angle_x, int angle_y, bool show_arrows,
                bool colours, bool hatch, bool dashed_edges, bool perspective, int centre_x, int centre_y,
                long double scale, int angle_z);

// Both arrows in black with their labels, the text background transparent
// meanwhile. An arrow pointing away from the viewer is dashed three pixels
// on, three off where it crosses anything but the window background.
void draw_view_arrows(platform::Canvas& canvas, const std::array<geometry::model::Tarrow_mark, 2>& arrows);

// The polygon region of the k-th drawn surface (from 1) and its display
// colour. False, with an empty region, when the picture has no such surface;
// a surface whose outline cannot make a region also shows a message.
bool surface_region(const geometry::model::Tpicture& picture, int k, platform::polygon_region& region, platform::colour_ref& colour);

} // namespace geometry::drawing
