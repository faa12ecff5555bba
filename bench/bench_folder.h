#pragma once
// What the benchmarks share: a program folder with a student files
// directory whose files are written in one go, and the I/O floor to time
// the program's code against: reading the same bytes in one go. The folder
// lies in the temporary directory ($TMPDIR; /dev/shm is a RAM disk).

#include "bench/against_floor.h"
#include "foundation/globals.h"
#include "platform/core/binary_file.h"
#include "platform/core/file_system.h"
#include "student_files/results_image.h"
#include "student_files/student_data_files.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct bench_folder {
    std::string root;
    std::unique_ptr<student_files::Tstudent_data_files_object> files;

    explicit bench_folder(const char* tag)
    {
        const auto base = std::filesystem::temp_directory_path()
            / (std::string("bench-") + tag + "-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(base / "RESULTS");
        root = base.string() + "/";
        foundation::start_directory = foundation::program_directory = root;
        foundation::settings_file_path = root + "WinTola.ini";
        files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    ~bench_folder() { std::filesystem::remove_all(root); }

    // Writes the file in one go, chains linked as appends would link them:
    // appending one by one would time the set-up, not the code.
    std::string fill_student(const std::string& name, int results)
    {
        using namespace student_files::results_format;
        if (!files->create_results_file(name, "secret", true, true, true, true))
            std::abort();   // the figures would time nothing
        const std::string path = files->results_file_name(name);
        std::string bytes = platform::read_whole_file(path)->substr(0, 4 * record_size);
        std::uint16_t last_of[10] = {};
        std::vector<record> records;
        for (int i = 0; i < results; ++i) {
            const int exercise = 1 + i % 9;
            const auto number = static_cast<std::uint16_t>(first_result_record + i);
            records.push_back(encode_result({foundation::pack_date_time(45000.0 + i), foundation::pack_date_time(45000.01 + i),
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
        // Set-up only: no need to wait for the disk as the program does.
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
};

// Only reading the bytes: open, one read of the whole file, close, into
// room kept from read to read, as the program keeps its own.
inline std::size_t read_bytes(const std::vector<std::string>& paths, student_files::results_format::file_bytes& room)
{
    std::size_t total = 0;
    for (const auto& p : paths) {
        platform::binary_file file;
        file.open(p, platform::binary_file::mode::read_only);
        const auto size = static_cast<std::size_t>(file.size());
        file.read_at(0, room.room_for(size), size);
        total += size;
    }
    return total;
}

// The I/O floor of code that reads results files: reading the same bytes.
inline auto reading(std::vector<std::string> paths)
{
    return [paths = std::move(paths), room = std::make_shared<student_files::results_format::file_bytes>()] {
        benchmark::DoNotOptimize(read_bytes(paths, *room));
    };
}

// The floor of an append that must survive a power cut: reading the file
// once, then one record written over one of a file beside it and synced.
inline auto reading_and_one_synced_record(const std::string& path)
{
    const std::string scratch = path + ".floor";
    std::ofstream(scratch, std::ios::binary) << std::string(15, '\0');
    return [read = reading({path}), scratch]() mutable {
        read();
        platform::binary_file file;
        const char record[15] = {};
        file.open(scratch, platform::binary_file::mode::read_write);
        file.write_at(0, record, sizeof record);
        file.sync();
    };
}

// Puts back the records that differ from `before` and the size, and syncs:
// the few pages an append changed, not the whole file.
inline void restore_file(const std::string& path, const std::string& before)
{
    const std::string now = *platform::read_whole_file(path);
    platform::binary_file file;
    file.open(path, platform::binary_file::mode::read_write);
    for (std::size_t at = 0; at < before.size(); at += student_files::results_format::record_size)
        if (now.compare(at, student_files::results_format::record_size, before, at, student_files::results_format::record_size) != 0)
            file.write_at(at, before.data() + at, student_files::results_format::record_size);
    file.truncate(before.size());
    file.sync();
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
