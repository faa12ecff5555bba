#pragma once
// A program folder with an empty student files directory, short texts of
// our own and a scripted responder that must stay unasked, for tests of the
// results files.

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/core/binary_file.h"
#include "platform/core/message_box.h"
#include "platform/core/write_faults.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

inline const char* const student_files_texts =
    "$[RESULTS_ERROR_MESSAGES]\nQ1 \n Q2\nCannot use it\nIO \n at \n-\n"
    "$[STUDENT_RESULTS_TEXTS]\n h \n min\nof\nTime:\nnothing\nLevel\nTotal:\nof\nGuidance:\n-\n"
    "$[RESULTS_FILE_MESSAGES]\nbad student name\nhidden student name\ntoo long a student name\n"
    "too long a password\nresult does not fit\nstatement does not fit\nfile \n is full\n";

inline foundation::Tdate_time at(int day, int hour, int minute, int second)
{
    return foundation::encode_date_time({2025, 5, day, hour, minute, second});
}

class StudentFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(program.path());
        std::string problem;
        foundation::text_handler = std::make_unique<foundation::Ttextfile_handler>(foundation::Ttextfile_handler::from_text(student_files_texts, problem));
        program.make_dir("RESULTS");
        files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        EXPECT_EQ(responder.count(), 0u) << "the library returns what happened and never shows a box";
        platform::clear_write_fault();
        foundation::text_handler.reset();
    }
    std::string bytes(const std::string& name) { return program.read("RESULTS/" + name + ".results"); }
    student_files::results_format::record record_of(const std::string& name, int k)
    {
        const std::string b = bytes(name);
        student_files::results_format::record r{};
        std::copy_n(b.begin() + k * 15, 15, r.begin());
        return r;
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    std::unique_ptr<student_files::Tstudent_data_files_object> files;
};

