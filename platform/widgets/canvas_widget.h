#pragma once
// A window's client area that shows an image canvas. What is drawn on the
// canvas stays there: the widget only shows it, so feedback drawn between
// two repaints (a rubber band, say) is seen at once and can be taken back
// pixel by pixel. `paint` draws the whole picture when it must be made anew
// (a new size, repaint_picture); the mouse handlers get the window's moves
// and presses. The canvas has one pixel per logical pixel of the widget, so
// the drawing and the mouse share coordinates on any screen; a high-density
// screen shows each canvas pixel as a block of its own pixels.

#include "platform/gui/image_canvas.h"
#include "platform/core/pixel_point.h"

#include <QWidget>

#include <functional>

class QMouseEvent;

namespace platform {

class canvas_widget : public QWidget {
public:
    explicit canvas_widget(QWidget* parent = nullptr);

    // The canvas of the widget's present size.
    image_canvas& canvas();

    std::function<void(Canvas&)> paint;
    std::function<void(QMouseEvent&)> mouse_moved;
    std::function<void(QMouseEvent&)> mouse_pressed;

    // Clears the canvas to the window background and draws the picture.
    void repaint_picture();
    // Shows what was drawn on the canvas since the last showing.
    void show_changes() { update(); }
    // The window sees a fresh mouse move to the point once the present events are done.
    void resend_mouse_move(pixel_point point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // A canvas of another size than the widget is made anew and repainted.
    void fit_canvas();

    image_canvas canvas_;
};

} // namespace platform
