#include "platform/widgets/printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {

print_dialog_answer& scripted_answer()
{
    static print_dialog_answer answer;
    return answer;
}

} // namespace

QPrinter& program_printer()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void run_printer_setup(QWidget* parent)
{
    QPageSetupDialog dialog(&program_printer(), parent);
    dialog.exec();
}

bool run_print_dialog(QWidget* parent)
{
    if (scripted_answer())
        return scripted_answer()(program_printer());
    QPrintDialog dialog(&program_printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

void set_print_dialog_answer(print_dialog_answer answer)
{
    scripted_answer() = std::move(answer);
}

} // namespace platform
