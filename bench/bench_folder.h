#pragma once
// What the benchmarks share: a program folder with a student files
// directory whose files are written in one go, and the I/O floor to time
// the program's code against: reading the same bytes from disk in one go.

#include "foundation/globals.h"
#include "platform/binary_file.h"
#include "platform/file_system.h"
#include "student_files/student_data_files.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace bench {

struct bench_folder {
    std::string root;
    std::unique_ptr<Tstudent_data_files_object> files;

    explicit bench_folder(const char* tag)
    {
        const auto base = std::filesystem::temp_directory_path()
            / (std::string("bench-") + tag + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(base / "RESULTS");
        root = base.string() + "/";
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

// Only reading the bytes: open, one read of the whole file, close.
inline std::size_t read_bytes(const std::vector<std::string>& paths)
{
    std::size_t total = 0;
    std::vector<char> buffer;
    for (const auto& p : paths) {
        platform::binary_file file;
        file.open(p, platform::binary_file::mode::read_only);
        buffer.resize(file.size());
        file.read_at(0, buffer.data(), buffer.size());
        total += buffer.size();
    }
    return total;
}

using bench_clock = std::chrono::steady_clock;

inline double milliseconds_since(bench_clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(bench_clock::now() - t0).count();
}

// The I/O floor: the best of a few reads of the same bytes in one go each.
inline double floor_ms(const std::vector<std::string>& paths)
{
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = bench_clock::now();
        benchmark::DoNotOptimize(read_bytes(paths));
        best = std::min(best, milliseconds_since(t0));
    }
    return best;
}

// Times the loop by hand too, so the ratio to the floor is a counter of its own.
template <typename Work>
void timed_against_floor(benchmark::State& state, const std::vector<std::string>& paths, Work work)
{
    double spent = 0;
    for (auto _ : state) {
        const auto t0 = bench_clock::now();
        work(state);
        spent += milliseconds_since(t0);
    }
    const double floor = floor_ms(paths);
    const double per_iteration = spent / static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floor;
    state.counters["x_floor"] = per_iteration / floor;
}

// A class of `students` students with `results` results each.
struct bench_class {
    std::vector<std::string> names;
    std::vector<std::string> paths;
};

inline bench_class fill_class(bench_folder& folder, int students, int results)
{
    bench_class c;
    for (int s = 0; s < students; ++s) {
        c.names.push_back("Student" + std::to_string(s));
        c.paths.push_back(folder.fill_student(c.names.back(), results));
    }
    return c;
}

} // namespace bench
