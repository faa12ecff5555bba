#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/pupil_login.h"

#include <filesystem>

using namespace student_files;
using namespace tutor::engine;

class PupilLoginTest : public GuidanceTest {
protected:
    void SetUp() override
    {
        GuidanceTest::SetUp();
        guidance = make_guidance("TH 1;\nEX 2 /L=3;\nTE 3;\nTH 2;");
        ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", true, true, false, true));
        // Anna stopped at the test, after 1 day 2 hours 3 minutes 4 seconds under guidance.
        ASSERT_TRUE(student_data_files->store_guidance_state("Anna", true, 3, 1u * 65536 + 2 * 2048 + 3 * 32 + 2));
        ASSERT_TRUE(student_data_files->create_results_file("Ben", "rose", false, false, true, false));
    }
    void TearDown() override
    {
        guidance.reset();
        GuidanceTest::TearDown();
    }
};

TEST_F(PupilLoginTest, TheRightPasswordRestoresTheGuidanceFromThePupilsFile)
{
    ASSERT_TRUE(log_in_pupil("anna", "tulip")) << "the name is found without regard to case";
    EXPECT_EQ(guidance->pupil_name(), "anna");
    EXPECT_TRUE(guidance->is_on());
    EXPECT_EQ(guidance->current_statement(), 3);
    EXPECT_NEAR(guidance->total_time(), 1 + 2.0 / 24 + 3 * one_minute + 4.0 / 86400, 1e-9);
    EXPECT_TRUE(guidance->switchable());
    EXPECT_FALSE(guidance->restart_enabled());
    EXPECT_TRUE(guidance->store_test_results());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(PupilLoginTest, AWrongPasswordOrNameChangesNothingAndReportsNoFileError)
{
    ASSERT_TRUE(log_in_pupil("Ben", "rose"));
    for (const auto& [name, password] : {std::pair{"Anna", "rose"}, std::pair{"Anna", ""}, std::pair{"Carl", "tulip"},
                                         std::pair{"", ""}, std::pair{"../Anna", "tulip"}})
        EXPECT_FALSE(log_in_pupil(name, password)) << name << " / " << password;
    EXPECT_EQ(guidance->pupil_name(), "Ben") << "the pupil logged in stays";
    EXPECT_FALSE(guidance->is_on());
    EXPECT_TRUE(guidance->restart_enabled());
    EXPECT_EQ(responder.count(), 0u) << "a refused login is the dialog's to tell";
}

TEST_F(PupilLoginTest, AFileThatIsNoResultsFileIsRefused)
{
    program.write("RESULTS/Dora.results", std::string(60, 'x'));
    EXPECT_FALSE(log_in_pupil("Dora", ""));
    EXPECT_TRUE(guidance->pupil_name().empty());
}

TEST_F(PupilLoginTest, TheNextPupilsLoginSavesThePreviousPupilsPlaceAndTime)
{
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    guidance->advance();
    now += 10 * one_minute;
    ASSERT_TRUE(log_in_pupil("Ben", "rose"));
    const results_format::settings anna = stored_settings("Anna");
    EXPECT_TRUE(anna.guidance_is_on);
    EXPECT_EQ(anna.guidance_statement, 4);
    EXPECT_EQ(anna.guidance_time, 1u * 65536 + 2 * 2048 + 13 * 32 + 2);
    EXPECT_EQ(guidance->pupil_name(), "Ben");
    EXPECT_FALSE(guidance->is_on());
    EXPECT_EQ(guidance->current_statement(), 0);
}

TEST(PupilLoginWithout, NoStudentFilesOrGuidanceLogsNobodyIn)
{
    EXPECT_FALSE(log_in_pupil("Anna", "tulip"));
}

namespace {

struct setting_case {
    const char* what;
    const char* course;   // null: the guidance file is missing
    int statement;        // where the pupil stopped
    void (*meanwhile)(Tguidance_object&);
    bool stored_on;
};

void PrintTo(const setting_case& c, std::ostream* out)
{
    *out << c.what;
}

void nothing(Tguidance_object&) {}

const setting_case setting_cases[] = {
    {"missing guidance file", nullptr, 2, nothing, true},
    {"guidance without statements", "* a remark only\n", 1, nothing, true},
    {"guidance finished before", "TH 1;", 2, nothing, true},
    {"finished guidance stopped at its end", "TH 1;", 2, [](Tguidance_object& g) { g.stop_at_end(); }, true},
    {"pupil switched it off", "TH 1;\nTH 2;", 1, [](Tguidance_object& g) { g.stop(); }, false},
    {"teacher switched it off meanwhile", "TH 1;\nTH 2;", 1,
     [](Tguidance_object&) { EXPECT_TRUE(student_data_files->change_results_file("Pupil", "", false, true, true, true, false)); },
     false},
};

class PupilSettingTest : public GuidanceTest, public testing::WithParamInterface<setting_case> {
protected:
    void TearDown() override
    {
        guidance.reset();
        GuidanceTest::TearDown();
    }
};

} // namespace

TEST_P(PupilSettingTest, TheSavedGuidanceSettingChangesOnlyByThePupilOrTheTeacher)
{
    const setting_case& c = GetParam();
    ASSERT_TRUE(student_data_files->create_results_file("Pupil", "secret", true, true, true, true));
    ASSERT_TRUE(student_data_files->store_guidance_state("Pupil", true, c.statement, 0));
    guidance = c.course ? make_guidance(c.course) : std::make_unique<Tguidance_object>("missing.txt");
    ASSERT_TRUE(log_in_pupil("Pupil", "secret"));
    c.meanwhile(*guidance);
    ASSERT_TRUE(guidance->save_state());
    const results_format::settings stored = stored_settings("Pupil");
    EXPECT_EQ(stored.guidance_is_on, c.stored_on);
    EXPECT_EQ(stored.guidance_statement, c.statement) << "the place stays";
}

INSTANTIATE_TEST_SUITE_P(Cases, PupilSettingTest, testing::ValuesIn(setting_cases));
