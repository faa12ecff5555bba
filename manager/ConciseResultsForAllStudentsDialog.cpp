#include "manager/ConciseResultsForAllStudentsDialog.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "manager/printed_list.h"
#include "platform/widgets/clipboard.h"
#include "platform/widgets/printer_canvas.h"
#include "platform/widgets/printing.h"
#include "student_files/concise_results.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;

namespace manager {

TConciseResultsForAllStudentsDialog::TConciseResultsForAllStudentsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("ConciseResultsForAllStudentsDialog");
    Memo_ = new QPlainTextEdit(this);
    Memo_->setObjectName("Memo");
    Memo_->setReadOnly(true);
    Memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OKBtn_ = new QPushButton("OK", this);
    OKBtn_->setObjectName("OKBtn");
    print_button_ = new QPushButton(qt(texts_[text_names::concise_results::print_button]), this);
    print_button_->setObjectName("print_button");
    copy_to_clipboard_button_ = new QPushButton(qt(texts_[text_names::concise_results::copy_button]), this);
    copy_to_clipboard_button_->setObjectName("copy_to_clipboard_button");
    OKBtn_->setGeometry(20, 0, 100, 28);
    print_button_->setGeometry(140, 0, 100, 28);
    copy_to_clipboard_button_->setGeometry(260, 0, 160, 28);
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_button_, &QPushButton::clicked, this, [this] { print_buttonClick(); });
    connect(copy_to_clipboard_button_, &QPushButton::clicked, this, [this] { copy_to_clipboard_buttonClick(); });
    resize(440, 400);
    remembered_width_ = width();
}

void TConciseResultsForAllStudentsDialog::tell_parameters_before_show(const std::string& caption,
                                                                     const std::vector<std::string>& items)
{
    setWindowTitle(qt(caption));
    QStringList lines;
    for (const std::string& line : concise_results_lines(items))
        lines << qt(line);
    Memo_->setPlainText(lines.join('\n'));
}

void TConciseResultsForAllStudentsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    remembered_width_ = width();
    FormResize();
    Memo_->setFocus();
}

void TConciseResultsForAllStudentsDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TConciseResultsForAllStudentsDialog::FormResize()
{
    const int d = (width() - remembered_width_) / 2;
    const int top = height() - OKBtn_->height() * 11 / 10;
    for (QPushButton* button : {OKBtn_, print_button_, copy_to_clipboard_button_})
        button->move(button->x() + d, top);
    Memo_->setGeometry(0, 0, width(), top - (height() - top - OKBtn_->height()));
    remembered_width_ = width();
}

void TConciseResultsForAllStudentsDialog::copy_to_clipboard_buttonClick()
{
    platform::set_clipboard_text(Memo_->toPlainText().replace('\n', "\r\n").toStdString());
}

// The whole memo at fixed line spacing below the caption, on as many pages
// as it needs.
void TConciseResultsForAllStudentsDialog::print_buttonClick()
{
    if (!platform::run_print_dialog(this))
        return;
    platform::printer_canvas canvas(platform::program_printer(), {"MS Sans Serif", 10, 0, false});
    if (canvas.started()) {
        print_caption(canvas, windowTitle().toStdString());
        platform::font_choice font = canvas.font();
        font.bold = false;
        canvas.set_font(font);
        std::vector<std::string> lines;
        for (const QString& line : Memo_->toPlainText().split('\n'))
            lines.push_back(line.toStdString());
        print_lines_on_pages(canvas, lines);
    }
    if (!canvas.end())
        report_print_failure();
}

} // namespace manager
