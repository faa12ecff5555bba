#include "platform/widgets/printer_canvas.h"

#include <QPrinter>

namespace platform {

printer_canvas::printer_canvas(QPrinter& printer, const font_choice& font)
    : painter_canvas(printer, font), printer_(printer)
{
}

printer_canvas::~printer_canvas()
{
    end();
}

int printer_canvas::page_width() const
{
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int printer_canvas::page_height() const
{
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

void printer_canvas::new_page()
{
    if (started() && !printer_.newPage())
        failed_ = true;
}

bool printer_canvas::end()
{
    if (started() && painter_.isActive() && !painter_.end())
        failed_ = true;
    return started() && !failed_;
}

} // namespace platform
