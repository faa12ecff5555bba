// What the program's code returns as failed reaches the students tool's
// error stream and exit code, and the command goes on where it can: a fatal
// stop would end it at the first failure with exit code 1.
#include "tests/students_cli/students_tool_fixture.h"

using namespace foundation;
using namespace student_files;

namespace {

struct failure_case {
    const char* name;
    std::vector<std::string> words;
    int code;
    std::vector<std::string> messages;   // each a part of the error stream
    const char* written_after;           // output that follows the failure, or nothing
};

void PrintTo(const failure_case& c, std::ostream* out)
{
    *out << c.name;
}

const char* const damaged = "Input/output error 100";

const failure_case failure_cases[] = {
    {"export", {"export"}, 1, {damaged}, "Zoe Sound"},
    {"report", {"report", "--png", "class"}, 1, {damaged}, "wrote class-students.png"},
    {"show", {"show", "Anna Damaged"}, 1, {damaged}, nullptr},
    {"missing_directory", {"--dir", "NEW", "list"}, 2,
     {"does not exist. Do you want to create it? [answered No]", "cannot be used"}, nullptr},
    {"unreadable_object_files", {"--settings", "objects.ini", "guidance", "check", "GUID1.TXT"}, 1,
     {"Could not read objects file: \"MISSING.OBJ\""}, "the object files could not be read"},
};

class StudentsFailuresTest : public StudentsToolTest, public testing::WithParamInterface<failure_case> {
protected:
    void SetUp() override
    {
        StudentsToolTest::SetUp();
        for (const char* name : {"Anna Damaged", "Zoe Sound"}) {
            ASSERT_TRUE(files->create_results_file(name, "secret", true, true, true, true));
            ASSERT_TRUE(files->add_result(name, 1, when(1, 9, 0, 0), when(1, 9, 5, 0), 1, 4, 3));
        }
        std::string bytes = program.read("RESULTS/Anna Damaged.results");
        bytes[4 * 15 + 13] = 4;   // the result links to itself
        program.write("RESULTS/Anna Damaged.results", bytes);
        std::filesystem::copy_file(test_support::shipped_data_file("GUID1.TXT"), program.file("GUID1.TXT"));
        std::string settings = program.read("WinTola.ini");
        settings.replace(settings.find("SOLIDS.OBJ"), 10, "MISSING.OBJ");
        program.write("objects.ini", settings);
    }
};

TEST_P(StudentsFailuresTest, IsReportedWithItsCodeAndTheCommandGoesOn)
{
    const failure_case& c = GetParam();
    const tool_run r = run(c.words);
    EXPECT_EQ(r.code, c.code) << r.err;
    for (const std::string& message : c.messages)
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_TRUE(!c.written_after || r.out.find(c.written_after) != std::string::npos) << r.out;
    EXPECT_EQ(responder.count(), 0u) << "nothing in this process showed a box";
}

INSTANTIATE_TEST_SUITE_P(Failures, StudentsFailuresTest, testing::ValuesIn(failure_cases),
                         [](const testing::TestParamInfo<failure_case>& info) { return info.param.name; });

} // namespace
