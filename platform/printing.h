#pragma once
// Printing as the windows use it. The printer canvas comes with the first
// window that prints.

class QWidget;

namespace platform {

// The printer set-up dialog, modal over the parent.
void run_printer_setup(QWidget* parent);

} // namespace platform
