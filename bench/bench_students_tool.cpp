// The students tool's export and concise on a class of 500 students with
// 200 results each, against the I/O floor: reading the same bytes in one
// go. Run: build/bin/bench_students_tool
#include "bench/bench_folder.h"
#include "student_files/concise_results.h"
#include "student_files/student_list.h"
#include "students_cli/cli.h"
#include "students_cli/results_csv.h"
#include "tutor/engine/exercise_texts.h"

#include <fstream>
#include <sstream>

using namespace student_files;
using namespace tutor::engine;
using namespace students_cli;

namespace {

using namespace bench;

// What "students export" does but for writing the text out.
void BM_export_500_students(benchmark::State& state)
{
    bench_folder folder("export");
    const bench_class students = fill_class(folder, 500, 200);
    const exercise_texts titles;
    against_floor(state, reading(students.paths), [&] {
        const results_export exported
            = export_results(*folder.files, list_students(folder.files->directory()), titles);
        benchmark::DoNotOptimize(exported.csv.data());
    });
}
BENCHMARK(BM_export_500_students)->UseManualTime()->Unit(benchmark::kMillisecond);

// What "students concise" does, printing into memory.
void BM_tool_concise_500_students(benchmark::State& state)
{
    bench_folder folder("tool-concise");
    const bench_class students = fill_class(folder, 500, 200);
    against_floor(state, reading(students.paths), [&] {
        std::vector<std::string> names;
        for (const listed_student& s : list_students(folder.files->directory()))
            names.push_back(s.name);
        std::ostringstream out;
        for (const std::string& line : concise_results_lines(concise_results_items(*folder.files, names).items))
            out << line << '\n';
        benchmark::DoNotOptimize(out.str().data());
    });
}
BENCHMARK(BM_tool_concise_500_students)->UseManualTime()->Unit(benchmark::kMillisecond);

double milliseconds_since(bench_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(bench_clock::now() - t0).count();
}

// The floor of an import: creating as many small files with plain streams.
double create_floor_ms(const std::string& directory, int files)
{
    std::filesystem::create_directories(directory);
    const auto t0 = bench_clock::now();
    for (int i = 0; i < files; ++i)
        std::ofstream(directory + "/f" + std::to_string(i)) << std::string(75, 'x');
    return milliseconds_since(t0);
}

// "students import" of a class list of range(0) rows into an empty directory;
// twice the rows should take twice the time, not four times.
void BM_import_class_list(benchmark::State& state)
{
    const auto rows = static_cast<int>(state.range(0));
    std::string csv = "name,password,store-results\n";
    for (int i = 0; i < rows; ++i)
        csv += "Pupil number " + std::to_string(i) + ",secret" + std::to_string(i) + ",yes\n";
    double spent = 0, floor = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench_folder folder("import");
        const std::string list = folder.root + "class.csv";
        std::ofstream(list) << csv;
        floor += create_floor_ms(folder.root + "floor" + std::to_string(round++), rows);
        std::ostringstream out, err;
        state.ResumeTiming();
        const auto t0 = bench_clock::now();
        const int code = run_students(std::string(WINTOLA_BIN_DIR) + "/students",
                                      {"--dir", folder.root + "RESULTS", "import", list}, out, err);
        spent += milliseconds_since(t0);
        if (code != 0)
            state.SkipWithError(err.str().c_str());
    }
    state.counters["rows_per_s"] = 1000.0 * rows * static_cast<double>(state.iterations()) / spent;
    state.counters["x_floor"] = spent / floor;
}
BENCHMARK(BM_import_class_list)->Arg(2500)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
