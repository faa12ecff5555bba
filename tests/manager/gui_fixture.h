#pragma once
// A program folder with the shipped settings and texts, an empty student
// files directory, the globals started up there and a scripted responder.

#include "foundation/startup.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"

#include <filesystem>
#include <gtest/gtest.h>

inline QApplication& gui_application()
{
    return test_support::widget_app();
}

class gui_fixture : public testing::Test {
protected:
    void SetUp() override
    {
        gui_application();
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
            std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
        program.make_dir("RESULTS");
        foundation::start_up_foundation(program.file("students_manager"));
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override { student_files::student_data_files.reset(); }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
};
