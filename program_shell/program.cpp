#include "program_shell/program.h"

#include "platform/widgets/qt_presenters.h"
#include "resources/resources.h"

#include <QIcon>

using namespace resources;

namespace program_shell {

program_start_up::program_start_up(int& argc, char** argv) : qt_(argc, argv)
{
    platform::install_qt_presenters();
    init_resources();
    QApplication::setWindowIcon(QIcon(":/program_icon.xpm"));
    start_up_program(argc > 0 ? argv[0] : "");
}

} // namespace program_shell
