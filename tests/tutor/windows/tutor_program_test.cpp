// The built tutor program run as a pupil would meet it: a guidance course
// opens an exercise window and then ends the program. The pupil is played
// inside the process by a monopolizing library of our own.
#include "tests/tutor/windows/tutor_windows_fixture.h"

#include <QProcess>

using namespace foundation::widgets;
using namespace foundation;
using namespace student_files;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;
using namespace tutor::windows;

namespace {

// A course and the exit code it ends the program with.
const std::pair<const char*, int> courses[] = {
    {"EX 5;\nHALT 300;\n", 300 % 256},   // after the add-line window, the code cut to eight bits
    {"EX 8;\n1: GOTO 1;\n", 1},          // endless jumps after the construction window
};

class TutorProgramTest : public tutor_folder_test, public testing::WithParamInterface<std::pair<const char*, int>> {};

} // namespace

// The shipped data, the course, the playing library switched on, the tutor
// itself and a pupil with guidance on.
TEST_P(TutorProgramTest, EndsWithTheGuidancesExitCode)
{
    const std::string bin = WINTOLA_BIN_DIR;
    copy_shipped({"WinTola.ini", "WINTOLA.TXT"});
    std::filesystem::copy_file(bin + "/scripted_pupil/WSOLOSYS.DLL", program.file("WSOLOSYS.DLL"));
    std::filesystem::create_symlink(bin + "/tutor", program.file("tutor"));
    program.write("course.txt", GetParam().first);
    test_support::reset_globals_to(program.path());
    write_setting("", "GENERAL", "Monopolize System", "Yes");
    write_setting("", "GENERAL", "Guidance File", "course.txt");
    ASSERT_TRUE(Tstudent_data_files_object().create_results_file("Anna Jansen", "tulip", true, true, true, true));
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
    EXPECT_EQ(tutor.exitCode(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Courses, TutorProgramTest, testing::ValuesIn(courses));
