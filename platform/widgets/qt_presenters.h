#pragma once
// Installs the real message box (QMessageBox) and beep (QApplication::beep).
// Called once by each windowed program after its QApplication exists.

namespace platform {

void install_qt_presenters();

} // namespace platform
