#include "student_files/student_data_files.h"
#include "tests/students_cli/students_tool_fixture.h"

using namespace student_files;

class StudentsImportTest : public StudentsToolTest {
protected:
    results_format::settings settings_of(const std::string& name)
    {
        results_format::settings s;
        EXPECT_TRUE(files->read_settings(name, s)) << name;
        return s;
    }
    bool password_is(const std::string& name, const std::string& password)
    {
        return files->check_results_file(files->results_file_name(name), password).value;
    }
};

TEST_F(StudentsImportTest, SpreadsheetCsvWithQuotesBomAndCrLfCreatesEveryStudent)
{
    program.write("class.csv", "\xEF\xBB\xBFname,password,switchable,store-results,guidance-on\r\n"
                               "\"Smith, John\",tulip1,yes,TRUE,0\r\n"
                               "\"Anna \"\"Annie\"\" Jansen\",\"pass,word\",no,,1\r\n"
                               "\r\n"
                               "Chris Peters,bicycle,1,1,yes\r\n");
    const tool_run dry = run({"import", "class.csv", "--dry-run"});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_EQ(dry.out, "3 students would be created\n");
    EXPECT_TRUE(results_files().empty());

    const tool_run done = run({"import", "class.csv"});
    ASSERT_EQ(done.code, 0) << done.err;
    EXPECT_EQ(done.out, "created 3 students\n");
    EXPECT_EQ(results_files(), (std::vector<std::string>{"Anna \"Annie\" Jansen.results", "Chris Peters.results",
                                                         "Smith, John.results"}));
    const results_format::settings smith = settings_of("Smith, John");
    EXPECT_FALSE(smith.guidance_is_on);
    EXPECT_TRUE(smith.guidance_is_switchable);
    EXPECT_FALSE(smith.restart_guidance_enabled) << "a missing column reads as no";
    EXPECT_TRUE(smith.test_results_are_stored);
    const results_format::settings anna = settings_of("Anna \"Annie\" Jansen");
    EXPECT_TRUE(anna.guidance_is_on);
    EXPECT_FALSE(anna.test_results_are_stored) << "an empty cell reads as no";
    EXPECT_TRUE(password_is("Anna \"Annie\" Jansen", "PASS,WORD"));
    EXPECT_TRUE(password_is("Chris Peters", "bicycle"));
    EXPECT_TRUE(files->is_results_file(files->results_file_name("Smith, John")).value);

    program.write("lf.csv", "name,password\nDana Smith,canal\n");
    EXPECT_EQ(run({"import", "lf.csv"}).code, 0);
    EXPECT_TRUE(password_is("Dana Smith", "canal"));
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
                               "Long Password,"
                               + std::string(30, 'z') + "\n");  // 9
    const auto before = results_files();
    const tool_run refused = run({"import", "class.csv"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(results_files(), before) << "nothing is created";
    const std::string prefix = "students: class.csv, line ";
    for (const std::string& expected :
         {prefix + "3: " + entry("NEW_STUDENT_DIALOG", 2), prefix + "4: " + entry("NEW_STUDENT_DIALOG", 6),
          prefix + "5: " + student_name_problem("Bad/Name Pupil"), prefix + "6: " + entry("NEW_STUDENT_DIALOG", 5),
          prefix + "7: the same student as on line 2",
          prefix + "8: store-results: \"perhaps\" is not 1 or 0, yes or no, true or false",
          prefix + "9: " + password_problem(std::string(30, 'z')),
          std::string("students: nothing was created: 7 rows of 8 refused")})
        EXPECT_NE(refused.err.find(expected + "\n"), std::string::npos) << expected << "\nin:\n" << refused.err;
    EXPECT_EQ(refused.err.find("line 2:"), std::string::npos);

    program.write("broken.csv", "name,password\nA Pupil,\"secret\n");
    const tool_run broken = run({"import", "broken.csv"});
    EXPECT_EQ(broken.code, 2);
    EXPECT_NE(broken.err.find("broken.csv, line 2: a quoted cell is not closed"), std::string::npos) << broken.err;
    EXPECT_EQ(run({"import", "missing.csv"}).code, 2);
    EXPECT_EQ(results_files(), before);
}

TEST_F(StudentsImportTest, CreateMakesTheDialogsChecksAndItsFlags)
{
    const tool_run made = run({"create", "Eve Adams", "--password", "secret", "--switchable", "--store-results"});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.out, "created " + files->results_file_name("Eve Adams") + "\n");
    const results_format::settings s = settings_of("Eve Adams");
    EXPECT_FALSE(s.guidance_is_on);
    EXPECT_TRUE(s.guidance_is_switchable);
    EXPECT_FALSE(s.restart_guidance_enabled);
    EXPECT_TRUE(s.test_results_are_stored);
    EXPECT_TRUE(password_is("Eve Adams", "SECRET"));

    const auto refusal = [&](std::vector<std::string> words) {
        const tool_run r = run(std::move(words));
        EXPECT_EQ(r.code, 2);
        return r.err;
    };
    EXPECT_EQ(refusal({"create", "EVE ADAMS", "--password", "other"}), "students: " + entry("NEW_STUDENT_DIALOG", 5) + "\n");
    EXPECT_EQ(refusal({"create", "Eve A", "--password", "other"}), "students: " + entry("NEW_STUDENT_DIALOG", 2) + "\n");
    EXPECT_EQ(refusal({"create", "Someone", "--password="}), "students: " + entry("NEW_STUDENT_DIALOG", 6) + "\n");
    EXPECT_EQ(refusal({"create", "Some:one", "--password", "abcde"}), "students: " + student_name_problem("a:b") + "\n");
    EXPECT_NE(refusal({"create", "Someone"}).find("--password"), std::string::npos);
    EXPECT_NE(refusal({"create", "Someone", "--password", "abcde", "--guidance"}).find("unknown option --guidance"),
              std::string::npos);
    EXPECT_EQ(results_files(), std::vector<std::string>{"Eve Adams.results"});
    const tool_run dashed = run({"create", "--password", "secret", "--", "--Dash Pupil"});
    EXPECT_EQ(dashed.code, 0) << dashed.err;
    EXPECT_TRUE(password_is("--Dash Pupil", "secret"));
}
