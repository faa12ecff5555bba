#pragma once
// The canvas over an image in memory (32-bit RGB, no antialiasing), so that
// every pixel is exactly what the drawing code made it: one-pixel lines are
// the line walk's pixels, polygons are filled by the winding rule a row's
// stretch at a time, and what is drawn can be read back. Windows draw into one and show
// it; tests and tools look at its pixels.

#include "platform/core/canvas.h"

#include <QImage>

namespace platform {

class image_canvas : public Canvas {
public:
    image_canvas(int width, int height, colour_ref fill = window_background_colour());

    const QImage& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void text_out(int x, int y, const std::string& text) override;
    int text_height(const std::string& text) override;

    void line(pixel_point from, pixel_point to) override;
    void polyline(std::span<const pixel_point> points) override;
    void polygon(std::span<const pixel_point> points) override;
    void rectangle(int left, int top, int right, int bottom) override;

    colour_ref pixel(int x, int y) const override;
    void set_pixel(int x, int y, colour_ref colour) override;
    void draw_bitmap(int x, int y, const bitmap& picture, raster_operation operation) override;
    bitmap read_area(int left, int top, int width, int height) const override;
    void flood_fill(int x, int y, colour_ref colour, flood_style style) override;

private:
    // The first pixel of row y; taking it makes the image this canvas's own.
    QRgb* row(int y);
    void thin_line(pixel_point from, pixel_point to);
    void wide_line(pixel_point from, pixel_point to);
    void fill_span(int y, int left, int right);

    QImage image_;
};

} // namespace platform
