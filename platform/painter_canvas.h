#pragma once
// The canvas over a QPainter on any paint device: a widget being painted,
// an image, a printer.

#include "platform/canvas.h"

#include <QPainter>

class QFont;
class QPaintDevice;

namespace platform {

QFont qt_font(const font_choice& font);

class painter_canvas : public Canvas {
public:
    painter_canvas(QPaintDevice& device, const font_choice& font = {});

    // False when painting could not start on the device; then nothing is drawn.
    bool started() const { return started_; }

    font_choice font() const override { return font_; }
    void set_font(const font_choice& font) override;
    void text_out(int x, int y, const std::string& text) override;
    int text_height(const std::string& text) override;

protected:
    QPaintDevice& device_;
    QPainter painter_;

private:
    font_choice font_;
    bool started_ = false;
};

} // namespace platform
