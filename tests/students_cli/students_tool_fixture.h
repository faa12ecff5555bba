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
#include <string>
#include <vector>

struct tool_run {
    int code = -1;
    std::string out;
    std::string err;
};

inline tool_run run_tool(const std::string& working_directory, const std::vector<std::string>& words,
                         const std::string& input_file = {})
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(working_directory));
    QStringList arguments;
    for (const std::string& w : words)
        arguments << QString::fromStdString(w);
    if (!input_file.empty())
        process.setStandardInputFile(QString::fromStdString(input_file));
    process.start(QString(WINTOLA_BIN_DIR) + "/students", arguments);
    tool_run result;
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        ADD_FAILURE() << "the students tool did not end normally";
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
    void make_demo()
    {
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(program.path()));
        process.start(QString(WINTOLA_BIN_DIR) + "/make_demo_students", {QString::fromStdString(program.path())});
        ASSERT_TRUE(process.waitForFinished(20000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
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
