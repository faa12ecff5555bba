#pragma once
// The canvas over a QPainter on any paint device: a widget being painted,
// a printer. It cannot read what it drew: a pixel read answers the window
// background colour, an area read is all background and a flood fill does
// nothing. Drawing that needs exact pixels goes to an image_canvas.

#include "platform/core/canvas.h"
#include "platform/gui/qt_drawing.h"

#include <QPainter>

class QPaintDevice;

namespace platform {

class painter_canvas : public Canvas {
public:
    painter_canvas(QPaintDevice& device, const font_choice& font = {});

    // False when painting could not start on the device; then nothing is drawn.
    bool started() const { return started_; }

    void set_font(const font_choice& font) override;
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

protected:
    QPaintDevice& device_;
    QPainter painter_;

private:
    void use_pen_and_brush(bool filled);

    bool started_ = false;
};

} // namespace platform
