#pragma once
// A PDF document drawn in memory through the canvas interface: A4 pages,
// portrait. Its bytes are handed over when it is finished, so a file can be
// written whole or not at all. Text needs the application object
// (offscreen_application.h when there is no window).

#include "platform/widgets/painter_canvas.h"

#include <memory>
#include <string>

class QBuffer;
class QPdfWriter;

namespace platform {

class pdf_document {
public:
    pdf_document();
    ~pdf_document();
    pdf_document(const pdf_document&) = delete;
    pdf_document& operator=(const pdf_document&) = delete;

    Canvas& canvas() { return *canvas_; }
    int page_width() const;
    int page_height() const;
    void new_page();
    // Ends the drawing; the document's bytes, empty when it could not be made.
    std::string finish();

private:
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<painter_canvas> canvas_;
};

} // namespace platform
