// Creates a demo student files directory: a few students with results of
// all nine exercises at all three levels, written through the program's own
// results-file code. Usage: make_demo_students PROGRAM_DIRECTORY
// The directory must hold WinTola.ini; its "Student Files Directory" is
// created when missing. Students that already exist are left alone.
#include "foundation/date_time.h"
#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "student_files/student_data_files.h"

#include <iostream>

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

void add_results(Tstudent_data_files_object& files, const demo_student& s, int seed)
{
    Tdate_time start = encode_date_time({2026, 10, 5, 9, 0, 0}) + seed;
    for (int exercise = 1; exercise <= 9; ++exercise) {
        for (int k = 0; k < s.results_per_exercise; ++k) {
            const int level = 1 + (exercise + k) % 3;
            const int objects = 5 + (exercise * 3 + k + seed) % 6;
            const int correct = objects - (exercise + seed + k) % 4;
            const Tdate_time end = start + (4 + exercise + 2 * k) / 1440.0 + (seed * 7 % 60) / 86400.0;
            files.add_result(s.name, exercise, start, end, level, objects, correct > 0 ? correct : 0);
            start = end + 0.01;
        }
    }
    files.store_guidance_state(s.name, s.guidance_on, 5 + seed * 3, pack_duration((65 + seed * 40) / 1440.0));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_demo_students PROGRAM_DIRECTORY\n";
        return 2;
    }
    std::string dir = argv[1];
    if (dir.back() != '/')
        dir += '/';
    start_directory = program_directory = platform::full_path(dir) + "/";
    settings_file_path = program_directory + "WinTola.ini";
    // Create the student files directory without asking.
    platform::set_message_presenter([](const platform::message_request& r) {
        std::cerr << r.text << '\n';
        return platform::IDYES;
    });
    Tstudent_data_files_object files;
    int seed = 0;
    for (const demo_student& s : students) {
        ++seed;
        if (platform::path_status(files.results_file_name(s.name)).kind == platform::entry_kind::file)
            continue;
        if (!files.create_results_file(s.name, s.password, s.guidance_on, s.switchable, s.restart, s.store))
            return 1;
        add_results(files, s, seed);
    }
    std::cout << "demo students in " << files.directory() << '\n';
    return 0;
}
