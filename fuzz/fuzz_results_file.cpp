// Arbitrary bytes as a results file, given to the read-only check, to the
// mending of a stopped operation, to the teacher's repair, to every
// operation that reads one and to an append. Boxes are answered by script;
// nothing may crash or hang; mending leaves nothing more to mend; the repair
// leaves sound chains; an append either refuses or leaves a valid file.
#include "foundation/globals.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/results_check.h"
#include "student_files/results_recovery.h"
#include "student_files/results_repair.h"
#include "student_files/student_data_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

using namespace foundation;
using namespace student_files;

namespace {

std::string work_directory()
{
    // A fresh folder per run, so parallel fuzzers never share a file.
    static const std::string dir = [] {
        const auto base = std::filesystem::temp_directory_path()
            / ("fuzz-results-" + std::to_string(std::random_device{}()));
        std::error_code error;
        std::filesystem::create_directories(base / "RESULTS", error);
        if (error)
            std::abort();
        return base.string();
    }();
    return dir;
}

void check_mending(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    for (const recovery_step& step : plan_recovery(bytes, size).steps)
        apply_recovery_step(step, bytes);
    if (!plan_recovery(bytes, bytes.size()).empty())
        __builtin_trap();
    if (bytes.size() < 4 * results_format::record_size)
        return;
    bytes.resize(bytes.size() / results_format::record_size * results_format::record_size);
    std::vector<mend> mends;
    const std::vector<std::uint8_t> rebuilt = rebuilt_results(bytes, mends);
    const std::string name = "PUPIL.results";
    using kind = text_names::results_file_problems;
    for (const results_problem& problem : check_results_bytes(rebuilt.data(), rebuilt.size(), name).problems)
        if (problem.entry != kind::name_check && problem.entry > kind::size_too_large)   // the size entries come first
            __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::scripted_responder responder;
    static platform::throwing_exit_guard guard;
    responder.clear();
    program_directory = start_directory = work_directory() + "/";
    settings_file_path = program_directory + "WinTola.ini";
    static Tstudent_data_files_object files;   // the directory exists: no question
    check_mending(data, size);
    const std::string path = files.results_file_name("PUPIL");
    if (!platform::replace_file_atomically(path, std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    const results_file_report report = check_results_bytes(data, size, "PUPIL.results");
    // A file the check passes passes the validity test too.
    if (report.valid() && !files.is_results_file(path).value)
        __builtin_trap();
    files.check_results_file(path, "secret");
    results_format::settings s;
    static_cast<void>(files.read_settings("PUPIL", s));
    files.sum_results("PUPIL");
    files.concise_results_text("PUPIL");
    const bool was_valid = files.is_results_file(path).value;
    if (files.add_result("PUPIL", 1 + static_cast<int>(size % 14), 45000.5, 45000.6, 2, 7, 5) && was_valid
        && !files.is_results_file(path).value)
        __builtin_trap();
    // An append to a file whose chains are sound keeps them sound.
    if (report.valid() && !check_results_file_at(path).valid())
        __builtin_trap();
    static_cast<void>(files.store_guidance_state("PUPIL", true, 4, 99));
    static_cast<void>(files.remove_results("PUPIL"));
    repair_results_file(path);
    return 0;
}
