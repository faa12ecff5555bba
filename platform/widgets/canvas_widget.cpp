#include "platform/widgets/canvas_widget.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace platform {

canvas_widget::canvas_widget(QWidget* parent) : QWidget(parent), canvas_(1, 1)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void canvas_widget::repaint_picture()
{
    fit_canvas();
    const platform::pen pen = canvas_.pen();
    const platform::brush brush = canvas_.brush();
    canvas_.set_brush({brush_style::solid, window_background_colour()});
    canvas_.set_pen({window_background_colour(), 1, pen_style::none});
    canvas_.rectangle(0, 0, canvas_.width(), canvas_.height());
    canvas_.set_pen(pen);
    canvas_.set_brush(brush);
    if (paint)
        paint(canvas_);
    update();
}

void canvas_widget::resend_mouse_move(pixel_point point)
{
    const QPointF local(point.x, point.y);
    QCoreApplication::postEvent(this, new QMouseEvent(QEvent::MouseMove, local, mapToGlobal(local), Qt::NoButton,
                                                      QGuiApplication::mouseButtons(),
                                                      QGuiApplication::keyboardModifiers()));
}

// On a high-density screen each canvas pixel covers a block of the screen's
// pixels, device pixel ratio wide and high: the canvas is drawn whole, scaled
// by that ratio without smoothing (the painter clips it to what needs
// showing), so no shown pixel mixes two of the canvas's colours and
// partial updates line up at any ratio.
void canvas_widget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, canvas_.width(), canvas_.height()), canvas_.image());
}

image_canvas& canvas_widget::canvas()
{
    fit_canvas();
    return canvas_;
}

void canvas_widget::resizeEvent(QResizeEvent*)
{
    fit_canvas();
}

// The canvas keeps the drawing state (pen, brush, font) the window gave it.
void canvas_widget::fit_canvas()
{
    // An image is never empty: a widget of no width or height has a canvas of one pixel.
    const int w = std::max(width(), 1);
    const int h = std::max(height(), 1);
    if (w == canvas_.width() && h == canvas_.height())
        return;
    image_canvas resized(w, h);
    resized.set_font(canvas_.font());
    resized.set_pen(canvas_.pen());
    resized.set_brush(canvas_.brush());
    resized.set_background_mode(canvas_.background_mode());
    canvas_ = std::move(resized);
    repaint_picture();
}

void canvas_widget::mouseMoveEvent(QMouseEvent* event)
{
    if (mouse_moved)
        mouse_moved(*event);
}

void canvas_widget::mousePressEvent(QMouseEvent* event)
{
    if (mouse_pressed)
        mouse_pressed(*event);
}

} // namespace platform
