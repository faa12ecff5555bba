// The program's windows as the program makes them, in a folder with the
// shipped data: the tutor main window of 1024 x 768 repainting the isometric
// picture and six normal views with their hidden edges dashed, clear
// included, against writing each pixel of its client area once; and
// the results window opening on a file of 65535 records until its lines are
// painted, against reading that file.
// Run: build/bin/bench_windows
#include "bench/bench_folder.h"
#include "program_shell/program_windows.h"
#include "platform/widgets/canvas_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>

#include <filesystem>

#if defined(__GLIBC__)
#include <malloc.h>

using namespace student_files;
using namespace tutor::windows;
using namespace manager;
using namespace program_shell;
#endif

namespace {

using namespace bench;

QApplication& qt_application()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The program started up in a folder of its own, its windows made.
struct started_program {
    bench_folder folder{"windows"};
    std::unique_ptr<application> windows;

    started_program()
    {
        qt_application();
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT", "GUID1.TXT", "SOLIDS.OBJ", "BLOCKS.OBJ"})
            std::filesystem::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + file, folder.root + file);
        start_up_program(folder.root + "students_manager");
        windows = std::make_unique<application>();
    }
};

template <typename T>
T& control(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

void BM_tutor_main_window_repaint_six_views(benchmark::State& state)
{
    started_program program;
    TMainForm& form = program.windows->tutor_main_form;
    form.show();
    auto& client = control<platform::canvas_widget>(form, "client_area");
    form.resize(1024, 768);
    QApplication::processEvents();
    control<QRadioButton>(form, "projections_radio_group_item_2").click();
    control<QRadioButton>(form, "normal_6_views_radio_button").click();
    control<QCheckBox>(form, "hidden_lines_checkbox").setChecked(true);
    against_floor(state, frame_write(client.width(), client.height()), [&] { client.repaint_picture(); });
    state.counters["width"] = client.width();
    state.counters["height"] = client.height();
}
BENCHMARK(BM_tutor_main_window_repaint_six_views)->UseManualTime()->Unit(benchmark::kMicrosecond);

std::size_t heap_in_use()
{
#if defined(__GLIBC__)
    return mallinfo2().uordblks;
#else
    return 0;
#endif
}

// From the showing (the student's name told, the window shown) until its
// lines are painted; closing, untimed, frees them again. heap_open_MB is
// what the open window holds on the heap.
void BM_results_window_opens_on_65535_records(benchmark::State& state)
{
    started_program program;
    const std::string path = program.folder.fill_student("Full", 65535 - results_format::fresh_file_records);
    TResultsForm& form = program.windows->results_form;
    double held = 0;
    int lines = 0;
    against_floor(
        state, reading({path}),
        [&] {
            form.tell_pupil_name_before_FormShow("Full");
            form.show();
            QApplication::processEvents();
        },
        [&] {
            lines = form.line_count();
            const std::size_t open = heap_in_use();
            form.close();
            held = static_cast<double>(open) - static_cast<double>(heap_in_use());
        });
    state.counters["lines"] = lines;
    state.counters["heap_open_MB"] = held / (1024.0 * 1024.0);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_results_window_opens_on_65535_records)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
