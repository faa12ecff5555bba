// The students tool's export and concise on a class of 500 students with
// 200 results each, against the I/O floor: reading the same bytes in one
// go. Run: build/bin/bench_students_tool
#include "bench/bench_folder.h"
#include "student_files/concise_results.h"
#include "student_files/student_list.h"
#include "tools/students_cli/results_csv.h"
#include "tutor/exercise_texts.h"

#include <sstream>

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
        for (const std::string& line : concise_results_lines(concise_results_items(*folder.files, names)))
            out << line << '\n';
        benchmark::DoNotOptimize(out.str().data());
    });
}
BENCHMARK(BM_tool_concise_500_students)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
