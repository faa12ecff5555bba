#include "tests/students_cli/students_tool_fixture.h"

using namespace foundation;
using namespace student_files;

// Run in a folder that holds an empty folder "demo": only a program
// directory given alone gets the demo students, in its RESULTS folder.
TEST_F(StudentsToolTest, MakeDemoStudentsWritesOnlyIntoTheProgramDirectoryItIsGiven)
{
    const struct {
        QStringList arguments;
        int exit_code;
        const char* says;
    } cases[] = {{{}, 2, "usage: make_demo_students"},           {{"--help"}, 2, "usage: make_demo_students"},
                 {{"demo", "more"}, 2, "usage: make_demo_students"}, {{"missing"}, 2, "missing is no directory"},
                 {{"demo/"}, 0, "demo students in"}};
    for (const auto& c : cases) {
        test_support::temp_dir work;
        work.make_dir("demo");
        QProcess tool;
        tool.setWorkingDirectory(QString::fromStdString(work.path()));
        tool.start(QString(WINTOLA_BIN_DIR) + "/make_demo_students", c.arguments);
        ASSERT_TRUE(tool.waitForFinished(20000));
        EXPECT_EQ(tool.exitCode(), c.exit_code) << c.says;
        EXPECT_NE((tool.readAllStandardOutput() + tool.readAllStandardError()).toStdString().find(c.says), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(work.file("demo/RESULTS")), c.exit_code == 0) << c.says;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), {}), 1) << "nothing beside demo";
    }
}
