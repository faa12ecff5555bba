#include "tests/students_cli/students_tool_fixture.h"

// Run in a folder that holds an empty folder "demo": only a program
// directory given alone gets the demo students, in its RESULTS folder.
TEST_F(StudentsToolTest, MakeDemoStudentsWritesOnlyIntoTheProgramDirectoryItIsGiven)
{
    const struct {
        std::vector<std::string> arguments;
        int exit_code;
        const char* says;
    } cases[] = {{{}, 2, "usage: make_demo_students"},           {{"--help"}, 2, "usage: make_demo_students"},
                 {{"demo", "more"}, 2, "usage: make_demo_students"}, {{"missing"}, 2, "missing is no directory"},
                 {{"demo/"}, 0, "demo students in"}};
    for (const auto& c : cases) {
        test_support::temp_dir work;
        work.make_dir("demo");
        const tool_run tool = run_tool(work.path(), c.arguments, "make_demo_students");
        EXPECT_EQ(tool.code, c.exit_code) << c.says;
        EXPECT_NE((tool.out + tool.err).find(c.says), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(work.file("demo/RESULTS")), c.exit_code == 0) << c.says;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), {}), 1) << "nothing beside demo";
    }
}
