// The results-file code against the I/O floor, reading the same bytes in one
// go: the concise results of 50, 500 and 5000 students of 200 results each,
// as the dialog gets them; an append to files of 1000, 10000 and 60000
// records against that and one record written and synced to the disk; the
// sums of all results of a 60000-record file, and the floor timed against
// itself, which must come out at 1. Run: build/bin/bench_student_files
// (TMPDIR=/dev/shm build/bin/bench_student_files for a RAM disk)
#include "bench/bench_folder.h"
#include "student_files/concise_results.h"

using namespace student_files;

namespace {

using namespace bench;

void BM_concise_students_x200(benchmark::State& state)
{
    bench_folder folder("concise");
    const bench_class students = fill_class(folder, static_cast<int>(state.range(0)), 200);
    against_floor(state, reading(students.paths), [&] {
        benchmark::DoNotOptimize(concise_results_items(*folder.files, students.names).items.data());
    });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_concise_students_x200)
    ->Arg(50)
    ->Arg(500)
    ->Arg(5000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Each append is taken back, untimed and synced, so every one meets a file
// of the same size with nothing of the last one left to flush. On a disk
// the floor's sync weighs most, as the append's does.
void BM_add_result_records(benchmark::State& state)
{
    bench_folder folder("add");
    const std::string path = folder.fill_student("Large", static_cast<int>(state.range(0)) - results_format::fresh_file_records);
    const std::string before = *platform::read_whole_file(path);
    against_floor(
        state, reading_and_one_synced_record(path), [&] { benchmark::DoNotOptimize(folder.files->add_result("Large", 3, 45000.0, 45000.01, 2, 7, 5)); },
        [&] { restore_file(path, before); });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_add_result_records)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(60000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

void BM_sum_results_60000_records(benchmark::State& state)
{
    bench_folder folder("read");
    const std::string path = folder.fill_student("Large", 60000 - results_format::fresh_file_records);
    against_floor(state, reading({path}), [&] { benchmark::DoNotOptimize(folder.files->sum_results("Large")); });
}
BENCHMARK(BM_sum_results_60000_records)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_floor_against_itself_60000_records(benchmark::State& state)
{
    bench_folder folder("floor");
    const std::string path = folder.fill_student("Large", 60000 - results_format::fresh_file_records);
    against_floor(state, reading({path}), reading({path}));
}
BENCHMARK(BM_floor_against_itself_60000_records)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
