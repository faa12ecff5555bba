// Creates a demo student files directory: a few students with results of
// all nine exercises at all three levels, written through the program's own
// results-file code. Usage: make_demo_students PROGRAM_DIRECTORY
// The directory must exist (it is not created). Its WinTola.ini, when there
// is one, names the student files directory, by default RESULTS; a relative
// one lies in the program directory and is created when missing. Students
// that already exist are left alone.
#include "foundation/date_time.h"
#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "student_files/student_data_files.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <variant>

using namespace foundation;
using namespace student_files;

namespace {

struct demo_student {
    const char* name;
    const char* password;
    bool guidance_on, switchable, restart, store;
    int results_per_exercise;
};

const demo_student students[] = {
    {"Anna Jansen", "tulip", true, true, true, true, 3},
    {"Bram de Vries", "windmill", true, false, false, true, 2},
    {"Chris Peters", "bicycle", false, true, true, true, 1},
    {"Dana Smith", "canal", true, true, false, false, 0},
};

// Stops at the first failure, whose message it returns.
outcome add_results(Tstudent_data_files_object& files, const demo_student& s, int seed)
{
    Tdate_time start = encode_date_time({2026, 10, 5, 9, 0, 0}) + seed;
    for (int exercise = 1; exercise <= 9; ++exercise) {
        for (int k = 0; k < s.results_per_exercise; ++k) {
            const int level = 1 + (exercise + k) % 3;
            const int objects = 5 + (exercise * 3 + k + seed) % 6;
            const int correct = objects - (exercise + seed + k) % 4;
            const Tdate_time end = start + (4 + exercise + 2 * k) / 1440.0 + (seed * 7 % 60) / 86400.0;
            if (outcome added = files.add_result(s.name, exercise, start, end, level, objects, correct > 0 ? correct : 0);
                !added)
                return added;
            start = end + 0.01;
        }
    }
    return files.store_guidance_state(s.name, s.guidance_on, 5 + seed * 3, pack_duration((65 + seed * 40) / 1440.0));
}

int failed(const outcome& result)
{
    std::cerr << "make_demo_students: " << result.message() << '\n';
    return 1;
}

const char* const usage = "usage: make_demo_students PROGRAM_DIRECTORY\n"
                         "Writes a few demo students with results into the student files directory\n"
                         "of the program directory (by its WinTola.ini, else RESULTS in it).\n";

// The program directory of the arguments, or the exit code of a refusal.
std::variant<std::string, int> program_directory_of(int argc, char** argv)
{
    const std::string word = argc == 2 ? argv[1] : "";
    if (word == "--help" || word == "-h") {
        std::cout << usage;
        return 2;
    }
    if (argc != 2 || word.empty() || word.front() == '-') {
        std::cerr << usage;
        return 2;
    }
    if (platform::path_status(word).kind != platform::entry_kind::directory) {
        std::cerr << "make_demo_students: " << word << " is no directory (it is not created)\n";
        return 2;
    }
    std::string dir = platform::full_path(word);
    if (dir.back() != '/')
        dir += '/';
    return dir;
}

} // namespace

int main(int argc, char** argv)
{
    const auto dir = program_directory_of(argc, argv);
    if (const int* code = std::get_if<int>(&dir))
        return *code;
    start_directory = program_directory = std::get<std::string>(dir);
    settings_file_path = program_directory + "WinTola.ini";
    // A relative student files directory is looked up from the current
    // directory first: work in the program directory, not where we started.
    std::error_code failure;
    std::filesystem::current_path(program_directory, failure);
    if (failure) {
        std::cerr << "make_demo_students: cannot work in " << program_directory << ": " << failure.message() << '\n';
        return 1;
    }
    Tstudent_data_files_object files;
    // The student files directory is created without asking.
    if (outcome usable = files.create_directory(); !usable)
        return failed(usable);
    int seed = 0;
    for (const demo_student& s : students) {
        ++seed;
        if (platform::path_status(files.results_file_name(s.name)).kind == platform::entry_kind::file)
            continue;
        if (outcome created = files.create_results_file(s.name, s.password, s.guidance_on, s.switchable, s.restart,
                                                        s.store);
            !created)
            return failed(created);
        if (outcome added = add_results(files, s, seed); !added)
            return failed(added);
    }
    std::cout << "demo students in " << files.directory() << '\n';
    return 0;
}
