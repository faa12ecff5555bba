#pragma once
// A print job on a printer, drawn through the canvas interface. The job
// starts when the canvas is made and ends with end(); new_page() moves to
// the next page.

#include "platform/widgets/painter_canvas.h"

class QPrinter;

namespace platform {

class printer_canvas : public painter_canvas {
public:
    explicit printer_canvas(QPrinter& printer, const font_choice& font = {});
    ~printer_canvas() override;

    int page_width() const;
    int page_height() const;
    void new_page();
    // Ends the job; false when it never started or the printer failed on the way.
    bool end();

private:
    QPrinter& printer_;
    bool failed_ = false;
};

} // namespace platform
