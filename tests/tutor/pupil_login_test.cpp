#include "tests/tutor/guidance_fixture.h"
#include "tutor/pupil_login.h"

#include <filesystem>

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
