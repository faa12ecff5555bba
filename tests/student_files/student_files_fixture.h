#pragma once
// A program folder with an empty student files directory, short texts of
// our own and a scripted responder that must stay unasked, for tests of the
// results files.

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/core/write_faults.h"
#include "platform/core/binary_file.h"
#include "student_files/student_data_files.h"
#include "student_files/student_list.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

inline const char* const student_files_texts =
    "$[RESULTS_ERROR_MESSAGES]\nQ1 \n Q2\nCannot use it\nIO \n at \n-\n"
    "$[STUDENT_RESULTS_TEXTS]\n h \n min\nof\nTime:\nnothing\nLevel\nTotal:\nof\nGuidance:\n-\n"
    "$[RESULTS_FILE_MESSAGES]\nbad student name\nhidden student name\ntoo long a student name\n"
    "too long a password\nresult does not fit\nstatement does not fit\nfile \n is full\n";

inline foundation::Tdate_time at(int day, int hour, int minute, int second)
{
    return foundation::encode_date_time({2025, 5, day, hour, minute, second});
}

inline void use_texts(const std::string& texts)
{
    std::string problem;
    foundation::text_handler =
        std::make_unique<foundation::Ttextfile_handler>(foundation::Ttextfile_handler::from_text(texts, problem));
}

class StudentFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(program.path());
        use_texts(student_files_texts);
        program.make_dir("RESULTS");
        files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        EXPECT_EQ(responder.count(), 0u) << "the library never shows a box";
        platform::clear_write_fault();
        foundation::text_handler.reset();
    }
    // A five-minute result on the given day.
    foundation::outcome add(const std::string& name, int exercise, int day = 1, int level = 1, int objects = 4,
                            int correct = 3)
    {
        return files->add_result(name, exercise, at(day, 1, 0, 0), at(day, 1, 5, 0), level, objects, correct);
    }
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        for (const student_files::listed_student& s : student_files::list_students(files->directory()))
            names.push_back(s.name);
        return names;
    }
    std::string path(const std::string& name) { return program.file("RESULTS/" + name + ".results"); }
    std::string bytes(const std::string& name) { return program.read("RESULTS/" + name + ".results"); }
    void put_bytes(const std::string& name, const std::string& b) { program.write("RESULTS/" + name + ".results", b); }
    student_files::results_format::record record_of(const std::string& name, int k)
    {
        const std::string b = bytes(name);
        student_files::results_format::record r{};
        std::copy_n(b.begin() + k * 15, 15, r.begin());
        return r;
    }
    // Writes a little-endian 16-bit value into the file at a byte offset.
    void put_u16_at(const std::string& name, std::size_t offset, std::uint16_t value)
    {
        std::string b = bytes(name);
        b.replace(offset, 2, {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)});
        put_bytes(name, b);
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    std::unique_ptr<student_files::Tstudent_data_files_object> files;
};
