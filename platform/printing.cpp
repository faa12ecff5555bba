#include "platform/printing.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace platform {

void run_printer_setup(QWidget* parent)
{
    // One printer for the whole run, so the settings chosen are kept.
    static QPrinter printer;
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

} // namespace platform
