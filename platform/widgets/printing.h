#pragma once
// The program's one printer: the printer set-up and the print dialogs work
// on it, so what the teacher chose holds for the whole run. A test answers
// the print dialog itself (printing to a PDF file, say) so nothing blocks.

#include <functional>

class QPrinter;
class QWidget;

namespace platform {

QPrinter& program_printer();

// The printer set-up dialog, modal over the parent.
void run_printer_setup(QWidget* parent);

// The print dialog, modal over the parent; true when the teacher confirms.
bool run_print_dialog(QWidget* parent);

// Answers the print dialog instead of showing it; an empty function shows it again.
using print_dialog_answer = std::function<bool(QPrinter& printer)>;
void set_print_dialog_answer(print_dialog_answer answer);

} // namespace platform
