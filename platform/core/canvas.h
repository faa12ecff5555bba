#pragma once
// The surface the program draws on: an image that a window shows, or a
// printer page. Coordinates are device pixels, y down; texts are UTF-8.
// Text is written with its top at y, with a transparent background unless
// an opaque one is asked for.
//
// Lines of a one-pixel pen cover every pixel from their start to their end,
// the end excluded, as the line walk visits them; polygons are filled by the
// winding rule and then outlined with the pen. On a printer a pixel read
// answers the window background colour and a flood fill does nothing.

#include "platform/core/bitmap.h"
#include "platform/core/colour.h"
#include "platform/core/pixel_point.h"

#include <span>
#include <string>

namespace platform {

struct font_choice {
    std::string name = "MS Sans Serif";
    int size = 8;     // points
    int height = 0;   // when positive, the height in pixels, which then overrides the size
    bool bold = false;
    colour_ref colour = black;
};

enum class pen_style { solid, dotted, none };

struct pen {
    colour_ref colour = black;
    int width = 1;
    pen_style style = pen_style::solid;
};

// A hatched brush draws only its lines; what lies between them stays.
enum class brush_style { solid, forward_diagonal, none };

struct brush {
    brush_style style = brush_style::solid;
    colour_ref colour = white;
};

// An opaque text background is filled in the brush colour.
enum class text_background { transparent, opaque };

// and_destination: each pixel becomes the bitwise AND of source and
// destination, so white in the source leaves the picture as it is.
enum class raster_operation { copy, and_destination };

// border: fills outwards from the point up to pixels of the given colour;
// surface: fills the connected pixels that have the given colour.
enum class flood_style { border, surface };

// The pen, brush, font and text background are the canvas's drawing state,
// kept here the same way for every kind of canvas.
class Canvas {
public:
    virtual ~Canvas() = default;

    font_choice font() const { return font_; }
    virtual void set_font(const font_choice& font) { font_ = font; }
    text_background background_mode() const { return background_; }
    void set_background_mode(text_background mode) { background_ = mode; }
    platform::pen pen() const { return pen_; }
    void set_pen(const platform::pen& pen) { pen_ = pen; }
    platform::brush brush() const { return brush_; }
    void set_brush(const platform::brush& brush) { brush_ = brush; }

    virtual void text_out(int x, int y, const std::string& text) = 0;
    // Height of the text in the present font: ascent plus descent.
    virtual int text_height(const std::string& text) = 0;

    virtual void line(pixel_point from, pixel_point to) = 0;
    virtual void polyline(std::span<const pixel_point> points) = 0;
    virtual void polygon(std::span<const pixel_point> points) = 0;
    // Filled with the brush and outlined with the pen; right and bottom excluded.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;

    virtual colour_ref pixel(int x, int y) const = 0;
    virtual void set_pixel(int x, int y, colour_ref colour) = 0;
    virtual void draw_bitmap(int x, int y, const bitmap& picture, raster_operation operation) = 0;
    // The pixels of an area, for putting back later with draw_bitmap.
    virtual bitmap read_area(int left, int top, int width, int height) const = 0;
    // Fills with the brush.
    virtual void flood_fill(int x, int y, colour_ref colour, flood_style style) = 0;

protected:
    font_choice font_;
    platform::pen pen_;
    platform::brush brush_;
    text_background background_ = text_background::transparent;
};

// Size times 1.5, rounded to the nearest integer with halves to even, as
// the captions of printed lists are enlarged.
int enlarged_size(int size);

} // namespace platform
