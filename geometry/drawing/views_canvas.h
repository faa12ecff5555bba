#pragma once
// What the views do to a canvas's drawing state is undone when they are done.

#include "platform/core/canvas.h"

namespace geometry::drawing {

// Keeps the pen, brush, font and text background of a canvas and puts
// them back when it goes.
class canvas_state_keeper {
public:
    explicit canvas_state_keeper(platform::Canvas& canvas)
        : canvas_(canvas), pen_(canvas.pen()), brush_(canvas.brush()), font_(canvas.font()),
          background_(canvas.background_mode())
    {
    }
    ~canvas_state_keeper()
    {
        canvas_.set_pen(pen_);
        canvas_.set_brush(brush_);
        canvas_.set_font(font_);
        canvas_.set_background_mode(background_);
    }
    canvas_state_keeper(const canvas_state_keeper&) = delete;
    canvas_state_keeper& operator=(const canvas_state_keeper&) = delete;

private:
    platform::Canvas& canvas_;
    platform::pen pen_;
    platform::brush brush_;
    platform::font_choice font_;
    platform::text_background background_;
};

// The rectangle, right and bottom excluded, in the window background colour.
void clear_rectangle(platform::Canvas& canvas, const platform::pixel_rect& area);

} // namespace geometry::drawing
