// The results-file code against the I/O floor: reading the same bytes from
// disk in one go. Run: build/bin/bench_student_files
#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "student_files/student_data_files.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct bench_folder {
    std::string root;
    std::unique_ptr<Tstudent_data_files_object> files;

    explicit bench_folder(const char* tag)
    {
        std::string pattern = std::string("/tmp/bench-") + tag + "-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        root = pattern + "/";
        platform::make_directory(root + "RESULTS");
        start_directory = program_directory = root;
        settings_file_path = root + "WinTola.ini";
        files = std::make_unique<Tstudent_data_files_object>();
    }
    ~bench_folder() { std::filesystem::remove_all(root); }

    // Writes the file in one go, chains linked as appends would link them:
    // appending one by one would time the set-up, not the code.
    std::string fill_student(const std::string& name, int results)
    {
        using namespace results_format;
        files->create_results_file(name, "secret", true, true, true, true);
        const std::string path = files->results_file_name(name);
        std::string bytes = platform::read_whole_file(path)->substr(0, 4 * record_size);
        std::uint16_t last_of[10] = {};
        std::vector<record> records;
        for (int i = 0; i < results; ++i) {
            const int exercise = 1 + i % 9;
            const auto number = static_cast<std::uint16_t>(first_result_record + i);
            records.push_back(encode_result({pack_date_time(45000.0 + i), pack_date_time(45000.01 + i),
                                             static_cast<std::uint8_t>(1 + i % 3), 7, 5, 0}));
            if (last_of[exercise] == 0) {
                record heads{};
                std::copy_n(bytes.begin() + head_record_of(exercise) * 15, 15, heads.begin());
                put_u16(heads, head_offset_of(exercise), number);
                std::copy(heads.begin(), heads.end(), bytes.begin() + head_record_of(exercise) * 15);
            } else {
                put_u16(records[last_of[exercise] - first_result_record], 13, number);
            }
            last_of[exercise] = number;
        }
        for (const record& r : records)
            bytes.append(r.begin(), r.end());
        const record marker = end_marker_after(records.empty() ? record{} : records.back());
        bytes.append(marker.begin(), marker.end());
        platform::replace_file_atomically(path, bytes);
        return path;
    }
};

std::size_t read_bytes(const std::vector<std::string>& paths)
{
    std::size_t total = 0;
    for (const auto& p : paths)
        total += platform::read_whole_file(p)->size();
    return total;
}

void BM_concise_500_students(benchmark::State& state)
{
    bench_folder folder("concise");
    std::vector<std::string> names, paths;
    for (int s = 0; s < 500; ++s) {
        names.push_back("Student" + std::to_string(s));
        paths.push_back(folder.fill_student(names.back(), 200));
    }
    for (auto _ : state)
        for (const auto& n : names)
            benchmark::DoNotOptimize(folder.files->concise_results_text(n));
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 5; ++i)
        benchmark::DoNotOptimize(read_bytes(paths));
    state.counters["floor_ms"] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / 5;
}
BENCHMARK(BM_concise_500_students)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_large_file(benchmark::State& state)
{
    bench_folder folder("large");
    const std::string path = folder.fill_student("Large", 59994);
    const std::string before = *platform::read_whole_file(path);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            folder.files->add_result("Large", 3, 45000.0, 45000.01, 2, 7, 5);
            state.PauseTiming();
            platform::replace_file_atomically(path, before);
            state.ResumeTiming();
        } else if (state.range(0) == 1) {
            benchmark::DoNotOptimize(folder.files->sum_results("Large"));
        } else {
            benchmark::DoNotOptimize(platform::read_whole_file(path));
        }
    }
}
// 0: add_result on 60000 records, 1: reading all results, 2: the I/O floor.
BENCHMARK(BM_large_file)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
