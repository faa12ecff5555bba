// The results-file code against the I/O floor: reading the same bytes from
// disk in one go. Run: build/bin/bench_student_files
#include "bench/bench_folder.h"
#include "student_files/results_lines.h"

#include <array>

namespace {

using namespace bench;

void BM_concise_500_students(benchmark::State& state)
{
    bench_folder folder("concise");
    const bench_class students = fill_class(folder, 500, 200);
    timed_against_floor(state, students.paths, [&](benchmark::State&) {
        for (const auto& n : students.names)
            benchmark::DoNotOptimize(folder.files->concise_results_text(n));
    });
}
BENCHMARK(BM_concise_500_students)->Unit(benchmark::kMillisecond)->Iterations(5);

// A file of 60000 records: 4 fixed ones, 59995 results and the end marker.
constexpr int large_results = 60000 - 5;

void BM_add_result_60000_records(benchmark::State& state)
{
    bench_folder folder("add");
    const std::string path = folder.fill_student("Large", large_results);
    const std::string before = *platform::read_whole_file(path);
    timed_against_floor(state, {path}, [&](benchmark::State& s) {
        folder.files->add_result("Large", 3, 45000.0, 45000.01, 2, 7, 5);
        s.PauseTiming();
        platform::replace_file_atomically(path, before);
        s.ResumeTiming();
    });
}
BENCHMARK(BM_add_result_60000_records)->Unit(benchmark::kMicrosecond);

void BM_read_all_results_60000_records(benchmark::State& state)
{
    bench_folder folder("read");
    const std::string path = folder.fill_student("Large", large_results);
    timed_against_floor(state, {path}, [&](benchmark::State&) {
        benchmark::DoNotOptimize(folder.files->sum_results("Large"));
    });
}
BENCHMARK(BM_read_all_results_60000_records)->Unit(benchmark::kMicrosecond);

void BM_io_floor_60000_records(benchmark::State& state)
{
    bench_folder folder("floor");
    const std::string path = folder.fill_student("Large", large_results);
    timed_against_floor(state, {path}, [&](benchmark::State&) { benchmark::DoNotOptimize(read_bytes({path})); });
}
BENCHMARK(BM_io_floor_60000_records)->Unit(benchmark::kMicrosecond);

// What the results window does when it opens on the fullest file there can be.
void BM_results_window_lines_65535_records(benchmark::State& state)
{
    bench_folder folder("lines");
    const std::string path = folder.fill_student("Full", 65535 - 5);
    const std::array<std::string, listed_exercises> titles{};
    const std::array<std::string, 5> labels{"Started at: ", "Duration: ", "Level: ", "Objects: ", "Correct: "};
    timed_against_floor(state, {path}, [&](benchmark::State&) {
        benchmark::DoNotOptimize(
            build_results_lines(folder.files->read_result_chains(path, listed_exercises), titles, labels));
    });
}
BENCHMARK(BM_results_window_lines_65535_records)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
