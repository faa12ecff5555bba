#pragma once
// Runs the built students tool (beside the test program) in a program
// folder of its own: the shipped settings and texts, an empty student files
// directory. The same folder is open in this process too, so tests make and
// read students through the program's code.

#include "foundation/globals.h"
#include "foundation/startup.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QProcess>

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

struct tool_run {
    int code = -1;
    std::string out;
    std::string err;
};

inline tool_run run_tool(const std::string& working_directory, const std::vector<std::string>& words,
                         const char* tool = "students")
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(working_directory));
    QStringList arguments;
    for (const std::string& w : words)
        arguments << QString::fromStdString(w);
    process.start(QString(WINTOLA_BIN_DIR) + "/" + tool, arguments);
    tool_run result;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        ADD_FAILURE() << tool << " did not end normally";
        return result;
    }
    result.code = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

class StudentsToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "students_tool_tests";
        static char* argv[] = {name};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);   // kept to the end, as Qt wants
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
            std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
        program.make_dir("RESULTS");
        foundation::start_up_foundation(program.file("students_manager"));
        files = std::make_unique<student_files::Tstudent_data_files_object>();
    }

    // The tool with this folder's settings, started in it.
    tool_run run(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--settings", program.file("WinTola.ini")});
        return run_tool(program.path(), words);
    }
    std::string entry(const char* section, int k) { return foundation::text_handler->read_entry(section, k); }
    // The demo students of the run command, made in this folder by their own tool.
    void make_demo() { ASSERT_EQ(run_tool(program.path(), {program.path()}, "make_demo_students").code, 0); }
    std::vector<std::string> results_files() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(program.file("RESULTS")))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    std::unique_ptr<student_files::Tstudent_data_files_object> files;
};

inline foundation::Tdate_time when(int day, int hour, int minute, int second)
{
    return foundation::encode_date_time({2026, 3, day, hour, minute, second});
}
