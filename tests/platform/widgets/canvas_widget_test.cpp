#include "platform/widgets/canvas_widget.h"
#include "tests/support/widget_app.h"

#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

TEST(CanvasWidget, KeepsWhatIsDrawnAndRepaintsThePictureOnlyWhenItMustBeMadeAnew)
{
    test_support::widget_app();
    platform::canvas_widget widget;
    int paints = 0;
    widget.paint = [&](platform::Canvas& canvas) {
        ++paints;
        canvas.set_pixel(1, 1, platform::rgb(0, 0, 255));
    };
    widget.resize(120, 80);
    EXPECT_EQ(std::tuple(widget.canvas().width(), widget.canvas().height(), paints, widget.canvas().pixel(1, 1)),
              std::tuple(120, 80, 1, platform::rgb(0, 0, 255))) << "the canvas follows the widget's size";

    widget.canvas().set_pen({platform::rgb(255, 0, 0), 3, platform::pen_style::solid});
    widget.canvas().set_pixel(50, 50, platform::rgb(9, 9, 9));
    widget.show();
    QApplication::processEvents();
    EXPECT_EQ(paints, 1) << "showing does not repaint the picture";
    EXPECT_EQ(widget.grab().toImage().pixelColor(50, 50), QColor(9, 9, 9)) << "what the canvas holds is shown";
    widget.repaint_picture();
    EXPECT_EQ(std::tuple(paints, widget.canvas().pixel(50, 50), widget.canvas().pen().width),
              std::tuple(2, platform::window_background_colour(), 3)) << "the window's drawing state is kept";
    widget.resize(60, 40);
    EXPECT_EQ(std::tuple(widget.canvas().width(), paints, widget.canvas().pen().colour),
              std::tuple(60, 3, platform::rgb(255, 0, 0)));
}

TEST(CanvasWidget, HandsTheMouseToTheWindowAndSendsAFreshMoveOnRequest)
{
    test_support::widget_app();
    platform::canvas_widget widget;
    widget.resize(100, 100);
    widget.show();
    std::vector<QPoint> moves;
    int presses = 0;
    widget.mouse_moved = [&](QMouseEvent& event) { moves.push_back(event.position().toPoint()); };
    widget.mouse_pressed = [&](QMouseEvent&) { ++presses; };
    widget.resend_mouse_move({30, 40});
    EXPECT_TRUE(moves.empty()) << "sent once the present events are done";
    QApplication::processEvents();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    EXPECT_EQ(std::tuple(moves, presses), std::tuple(std::vector<QPoint>{QPoint(30, 40)}, 1));
}

// On a high-density screen each canvas pixel becomes a block of screen pixels
// of exactly its colour: no smoothing mixes neighbours, at whole and at
// fractional ratios.
TEST(CanvasWidget, AHighDensityScreenShowsEveryCanvasPixelUnmixed)
{
    test_support::widget_app();
    platform::canvas_widget widget;
    widget.paint = [](platform::Canvas& canvas) {
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                canvas.set_pixel(x, y, (x + y) % 2 ? platform::rgb(200, 0, 0) : platform::rgb(0, 0, 200));
    };
    widget.resize(20, 10);
    for (const qreal ratio : {2.0, 1.5, 3.0}) {
        QImage shown(qRound(20 * ratio), qRound(10 * ratio), QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        widget.render(&shown);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb c = shown.pixel(x, y);
                ASSERT_TRUE(c == qRgb(200, 0, 0) || c == qRgb(0, 0, 200)) << "ratio " << ratio;
                ASSERT_TRUE(ratio != 2.0 || c == widget.canvas().image().pixel(x / 2, y / 2)) << x << "," << y;
            }
    }
}
