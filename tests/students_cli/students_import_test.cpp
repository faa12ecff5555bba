#include "tests/students_cli/students_tool_fixture.h"

using namespace foundation;

using namespace student_files;

class StudentsImportTest : public StudentsToolTest {
protected:
    // The four switches of the student's file, in the record's order, and whether the password opens it.
    std::tuple<bool, bool, bool, bool, bool> made(const std::string& name, const std::string& password)
    {
        results_format::settings s;
        EXPECT_TRUE(files->read_settings(name, s)) << name;
        return {s.guidance_is_on, s.guidance_is_switchable, s.restart_guidance_enabled, s.test_results_are_stored,
                files->check_results_file(files->results_file_name(name), password).value};
    }
};

TEST_F(StudentsImportTest, SpreadsheetCsvWithQuotesBomAndCrLfCreatesEveryStudent)
{
    program.write("class.csv", "\xEF\xBB\xBFname,password,switchable,store-results,guidance-on\r\n"
                               "\"Smith, John\",tulip1,yes,TRUE,0\r\n"
                               "\"Anna \"\"Annie\"\" Jansen\",\"pass,word\",no,,1\r\n"
                               "\r\n"
                               "Chris Peters,bicycle,1,1,yes\r\n");
    EXPECT_EQ((std::tuple{run({"import", "class.csv", "--dry-run"}).out, results_files().empty()}),
              std::tuple(std::string("3 students would be created\n"), true));
    const tool_run done = run({"import", "class.csv"});
    EXPECT_EQ(std::tuple(done.code, done.out), std::tuple(0, std::string("created 3 students\n"))) << done.err;
    EXPECT_EQ(results_files(), (std::vector<std::string>{"Anna \"Annie\" Jansen.results", "Chris Peters.results",
                                                         "Smith, John.results"}));
    // A missing column and an empty cell read as no.
    EXPECT_EQ(made("Smith, John", "tulip1"), std::tuple(false, true, false, true, true));
    EXPECT_EQ(made("Anna \"Annie\" Jansen", "PASS,WORD"), std::tuple(true, false, false, false, true));
    EXPECT_EQ(made("Chris Peters", "bicycle"), std::tuple(true, true, false, true, true));
}

TEST_F(StudentsImportTest, ARefusedRowCreatesNothingAndEveryRefusalIsListed)
{
    ASSERT_TRUE(files->create_results_file("Existing One", "secret", true, true, true, true));
    program.write("class.csv", "name,password,store-results\n"
                               "Good Pupil,secret\n"            // line 2: fine on its own
                               "Short,secret\n"                 // 3: name too short
                               "No Password,\n"                 // 4
                               "Bad/Name Pupil,secret\n"        // 5: cannot be a file name
                               "existing one,secret\n"          // 6: exists (other case)
                               "GOOD PUPIL,other1\n"            // 7: the same as line 2
                               "Flag Pupil,secret,perhaps\n"    // 8
                               "Long Password," + std::string(30, 'z') + "\n");   // 9
    const auto before = results_files();
    const tool_run refused = run({"import", "class.csv"});
    EXPECT_EQ(std::tuple(refused.code, refused.out, results_files()), std::tuple(2, "", before)) << "nothing is created";
    const std::string prefix = "students: class.csv, line ";
    EXPECT_EQ(refused.err, prefix + "3: " + entry("NEW_STUDENT_DIALOG", 2) + "\n" + prefix + "4: " + entry("NEW_STUDENT_DIALOG", 6)
                               + "\n" + prefix + "5: " + student_name_problem("Bad/Name Pupil") + "\n" + prefix + "6: "
                               + entry("NEW_STUDENT_DIALOG", 5) + "\n" + prefix + "7: the same student as on line 2\n"
                               + prefix + "8: store-results: \"perhaps\" is not 1 or 0, yes or no, true or false\n" + prefix
                               + "9: " + password_problem(std::string(30, 'z'))
                               + "\nstudents: nothing was created: 7 rows of 8 refused\n");
    program.write("broken.csv", "name,password\nA Pupil,\"secret\n");
    const tool_run broken = run({"import", "broken.csv"});
    EXPECT_EQ(std::tuple(broken.code, broken.err.find("broken.csv, line 2: a quoted cell is not closed") != std::string::npos),
              std::tuple(2, true)) << broken.err;
    EXPECT_EQ(run({"import", "missing.csv"}).code, 2);
    EXPECT_EQ(results_files(), before);
}

TEST_F(StudentsImportTest, CreateMakesTheDialogsChecksAndItsFlags)
{
    const tool_run made_one = run({"create", "Eve Adams", "--password", "secret", "--switchable", "--store-results"});
    EXPECT_EQ(made_one.out, "created " + files->results_file_name("Eve Adams") + "\n") << made_one.err;
    EXPECT_EQ(made("Eve Adams", "SECRET"), std::tuple(false, true, false, true, true));
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{"create", "EVE ADAMS", "--password", "other"}, entry("NEW_STUDENT_DIALOG", 5)},
        {{"create", "Someone"}, "--password"},
        {{"create", "Someone", "--password", "abcde", "--guidance"}, "unknown option --guidance"}};
    for (const auto& [words, message] : refusals) {
        const tool_run r = run(words);
        EXPECT_EQ(std::tuple(r.code, r.err.find(message) != std::string::npos), std::tuple(2, true)) << r.err;
    }
    EXPECT_EQ(results_files(), std::vector<std::string>{"Eve Adams.results"});
    EXPECT_TRUE(run({"create", "--password", "secret", "--", "--Dash Pupil"}).code == 0 && std::get<4>(made("--Dash Pupil", "secret")));
}
