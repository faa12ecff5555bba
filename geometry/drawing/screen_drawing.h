#pragma once
// Low-level drawing shared by the geometry and exercise code: patterned
// (dashed or dotted) lines of any width drawn pixel by pixel, the outline of
// a view arrow walked through a pixel rule, small marks, and bitmaps.

#include "foundation/plane_geometry.h"
#include "platform/core/canvas.h"

#include <cstdint>
#include <functional>

namespace geometry::drawing {

// Line patterns, read from the most significant bit: a set bit is a pixel
// in the line colour.
inline constexpr std::uint32_t solid_pattern = 0xFFFFFFFF;
inline constexpr std::uint32_t dashed_pattern = 0xFF00FF00;
inline constexpr std::uint32_t dotted_pattern = 0x11111111;

// A line of `width` parallel one-pixel lines; `unit` pixels per pattern bit.
// Dashed lines start and end solid; dotted ones do not. With fill_gaps the
// gaps get the window background colour, else they are left alone. The
// pattern counter starts at the start x of a horizontal line and the start
// y of a vertical one, so that dashes of parallel lines line up.
void draw_patterned_line(platform::Canvas& dc, foundation::Tinteger_point from, foundation::Tinteger_point to, bool fill_gaps, int unit,
                         int width, platform::colour_ref colour, std::uint32_t pattern);

// A line with the canvas's pen. A one-pixel line that reaches beyond an
// image is walked only where it lies on the image: the same pixels, however
// far away its ends are.
void draw_clipped_line(platform::Canvas& dc, foundation::Tinteger_point from, foundation::Tinteger_point to);

// Called for every pixel of an outline; what it does with it is its own
// affair (its data travels in the function object).
using pixel_rule = std::function<void(int x, int y)>;

// The outline of a view arrow from tail to head: a shaft a fifth of the
// length wide, barbs standing out a fifth of the length, the tip a third of
// the length beyond the head point. Nothing when tail and head coincide.
void draw_arrow_outline(foundation::Tinteger_point tail, foundation::Tinteger_point head, const pixel_rule& rule);

// A plus sign of 7 x 7 pixels drawn with a pen 3 pixels wide.
void draw_cross(platform::Canvas& canvas, foundation::Tinteger_point point, platform::colour_ref colour);

// The outline with the current pen, through all four corners.
void draw_rectangle_outline(platform::Canvas& dc, const platform::pixel_rect& rectangle);

// The bitmap at its full size with its top left at the point; nothing for an empty one.
void draw_bitmap_at(platform::Canvas& dc, const platform::bitmap& bitmap, foundation::Tinteger_point point,
                    platform::raster_operation raster_operation);

} // namespace geometry::drawing
