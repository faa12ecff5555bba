// The built tutor program run as a pupil would meet it: a guidance course
// opens an exercise window and then ends the program. The pupil is played
// inside the process by a monopolizing library of our own.
#include "foundation/settings.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"

#include <QProcess>

#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>

using namespace foundation;
using namespace student_files;

namespace {

struct stop_case {
    const char* what;
    const char* course;
    int exit_code;
};

void PrintTo(const stop_case& c, std::ostream* out)
{
    *out << c.what;
}

const stop_case stop_cases[] = {
    {"HALT after the add-line window, its code cut to eight bits", "EX 5;\nHALT 300;\n", 300 % 256},
    {"endless jumps after the construction window", "EX 8;\n1: GOTO 1;\n", 1},
};

class TutorProgramTest : public testing::TestWithParam<stop_case> {
protected:
    // The program directory: the shipped data, the course, the playing
    // library switched on, the tutor itself and a pupil with guidance on.
    void SetUp() override
    {
        namespace fs = std::filesystem;
        const std::string bin = WINTOLA_BIN_DIR;
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
            fs::copy_file(test_support::shipped_data_file(file), program.file(file));
        for (const char* file : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
            fs::copy_file(bin + "/" + file, program.file(file));
        fs::copy_file(bin + "/scripted_pupil/WSOLOSYS.DLL", program.file("WSOLOSYS.DLL"));
        fs::create_symlink(bin + "/tutor", program.file("tutor"));
        program.write("course.txt", GetParam().course);
        program.make_dir("RESULTS");
        test_support::reset_globals_to(program.path());
        write_setting("", "GENERAL", "Monopolize System", "Yes");
        write_setting("", "GENERAL", "Guidance File", "course.txt");
        Tstudent_data_files_object files;
        ASSERT_TRUE(files.create_results_file("Anna Jansen", "tulip", true, true, true, true));
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
};

} // namespace

TEST_P(TutorProgramTest, EndsWithTheGuidancesExitCode)
{
    test_support::widget_app();
    QProcess tutor;
    tutor.setWorkingDirectory(QString::fromStdString(program.path()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    tutor.setProcessEnvironment(environment);
    tutor.start(QString::fromStdString(program.file("tutor")), {});
    if (!tutor.waitForFinished(60000)) {
        tutor.kill();
        tutor.waitForFinished();
        FAIL() << "the tutor did not end";
    }
    EXPECT_EQ(tutor.exitStatus(), QProcess::NormalExit) << tutor.readAllStandardError().toStdString();
    EXPECT_EQ(tutor.exitCode(), GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(Courses, TutorProgramTest, testing::ValuesIn(stop_cases));
