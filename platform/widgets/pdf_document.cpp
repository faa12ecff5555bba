#include "platform/widgets/pdf_document.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace platform {

pdf_document::pdf_document() : buffer_(std::make_unique<QBuffer>())
{
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setPageSize(QPageSize(QPageSize::A4));
    writer_->setResolution(600);
    canvas_ = std::make_unique<painter_canvas>(*writer_);
}

pdf_document::~pdf_document() = default;

int pdf_document::page_width() const
{
    return writer_->width();
}

int pdf_document::page_height() const
{
    return writer_->height();
}

void pdf_document::new_page()
{
    writer_->newPage();
}

std::string pdf_document::finish()
{
    const bool drawn = canvas_->started();
    canvas_.reset();   // ends the painting, which writes the document
    if (!drawn)
        return {};
    const QByteArray& bytes = buffer_->data();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform
