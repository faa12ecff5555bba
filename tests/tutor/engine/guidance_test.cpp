#include "foundation/settings.h"
#include "platform/core/file_system.h"
#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/theory_chapters.h"

#include <filesystem>

using namespace guidance_records;

TEST_F(GuidanceTest, FileIsNamedBySettingsFoundWithoutRegardToCaseAndFailuresShown)
{
    program.write("guid1.txt", "TH 1;\nEX 2;\n");
    EXPECT_EQ(Tguidance_object().statement_count(), 2);
    write_setting("", "GENERAL", "Guidance File", "lesson");
    EXPECT_FALSE(Tguidance_object().file_ok());
    program.write("Lesson.Txt", "TH 3;");
    EXPECT_EQ(Tguidance_object().statement_count(), 1);
    write_setting("", "GENERAL", "Guidance File", "");
    EXPECT_EQ(guidance_file_name_from_settings(), "GUID1.TXT");
    // Reading this file fails with an input/output error after it has opened.
    std::filesystem::create_symlink("/proc/self/mem", program.file("BROKEN.TXT"));
    EXPECT_FALSE(Tguidance_object("broken.txt").file_ok());
    platform::fail_next_file_open();
    EXPECT_FALSE(Tguidance_object("lesson.txt").file_ok());
    ASSERT_EQ(responder.count(), 3u);
    EXPECT_EQ(responder.boxes()[0].text, "Guidance file LESSON.TXT not found");
    EXPECT_EQ(responder.boxes()[1].text, "Error while reading guidance file BROKEN.TXT!");
    EXPECT_EQ(responder.boxes()[2].text, "The guidance file LESSON.TXT could not be opened!");
}

TEST_F(GuidanceTest, AtMost500LinesAreKept)
{
    std::string text = "* comment lines do not count\n";
    for (int k = 0; k < 499; ++k)
        text += k % 2 ? "TH 1;\n" : "\n";
    text += "* nor this\nTH 2;\n";
    EXPECT_EQ(make_guidance(text)->statement_count(), 250);
    EXPECT_FALSE(make_guidance(text + "# a remark line is kept\n")->file_ok());
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Guidance file TEST.TXT contains too many lines!");
}

TEST_F(GuidanceTest, CompileErrorStopsTheProgram)
{
    EXPECT_EQ(exit_code_of([this] { make_guidance("TH 1;\n  ex 12;  # twelve\n"); }), 1);
    EXPECT_EQ(responder.last().text, "Error in Guidance Order, Line = \"  ex 12;  \", error is: value out of range");
}

TEST_F(GuidanceTest, TheoryChaptersFollowTheAdditionalSubjects)
{
    const std::pair<const char*, int> subjects[] = {{"7", 5}, {" 2", 2}, {"two", 0}, {"-3", 0}, {"", 0}, {"000002", 0}};
    for (const auto& [value, count] : subjects) {
        write_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", value);
        EXPECT_EQ(theory_chapter_count(), 4 + count) << value;
    }
}

TEST_F(GuidanceTest, StartAdvanceAndFinish)
{
    const auto empty = make_guidance("* nothing but comments\n");
    empty->start(false);
    EXPECT_FALSE(empty->is_on());
    EXPECT_EQ(empty->fetch_current_statement().kind, kind_empty);

    const auto g = make_guidance(";\nTH 2;\n1: IF (COUNT > 5) GOTO 20;\nEX 3 /L=2 /EXIT=(COUNT >= 2);\n20: TE 4;\nGOTO 77;");
    g->start(false);
    guidance_step step = g->fetch_current_statement();
    EXPECT_EQ(std::pair(step.kind, step.number), std::pair(kind_theory, 2));
    for (int k = 0; k < 5; ++k)
        g->record_answer(true);
    g->advance();   // COUNT is 5: no jump
    step = g->fetch_current_statement();
    EXPECT_EQ(std::tuple(step.kind, step.number, step.level), std::tuple(kind_exercise, 3, 2));
    g->reset_counters();
    g->record_answer(false);
    EXPECT_TRUE(g->exit_ok_holds() && !g->exit_holds());
    g->record_answer(true);
    EXPECT_TRUE(g->exit_holds());
    g->advance();
    EXPECT_EQ(g->fetch_current_statement().kind, kind_test);
    EXPECT_FALSE(g->exit_holds());   // the test has no EXIT condition
    g->advance();                    // GOTO 77: no such label
    EXPECT_TRUE(g->finished() && g->is_on());
    EXPECT_EQ(responder.last().text, "The end.");
    g->advance();
    EXPECT_EQ(g->current_statement(), 7);
    g->start(false);
    EXPECT_TRUE(g->finished() && !g->is_on());
    g->start(true);
    EXPECT_EQ(g->current_statement(), 2);
}

TEST_F(GuidanceTest, CountersKeepTheRecentAnswersAndTheTimes)
{
    const auto g = make_guidance("EX 1 /EXIT=((SCORE(50) = 100) AND (SCORE = 85)) /EXIT_OK=(SCORE(5) >= 60);");
    g->start(false);
    g->fetch_current_statement();
    for (int k = 0; k < 5; ++k)
        g->record_answer(false);
    EXPECT_FALSE(g->exit_ok_holds());
    for (int k = 0; k < 30; ++k)
        g->record_answer(true);
    EXPECT_TRUE(g->exit_ok_holds() && g->exit_holds());   // SCORE(50) is the score of the last 30
    const guidance_counters& c = g->counters();
    g->record_answer(false);
    EXPECT_EQ(std::tuple(c.count(), c.correct(), c.recent_correct(30), c.recent_correct(1)), std::tuple(36, 30, 29, 0));
    EXPECT_THROW(c.recent_correct(31), std::out_of_range);

    const auto timed = make_guidance("EX 1 /EXIT=(TIME >= 5);");
    timed->start(false);
    timed->fetch_current_statement();
    timed->mark_exercise_start();
    now += 4 * one_minute + 59.0 / 86400;
    timed->record_answer(true);
    now += 1.0 / 86400;
    EXPECT_FALSE(timed->exit_holds());   // the time is taken at an answer
    timed->record_answer(true);
    EXPECT_TRUE(timed->exit_holds());
}

TEST_F(GuidanceTest, TotalTimeAccumulatesOnlyUnderGuidance)
{
    const auto g = make_guidance("EX 1 /EXIT=(TOTAL_TIME >= 30);\nIF (TOTAL_TIME < 40) GOTO 0;\nTH 1;");
    now += 600 * one_minute;   // before guidance is first on
    g->start(false);
    g->fetch_current_statement();
    now += 29 * one_minute;
    g->stop();
    now += 60 * one_minute;   // off: not guidance time
    EXPECT_FALSE(g->exit_holds());
    g->start(false);
    now += 1 * one_minute;
    EXPECT_TRUE(g->exit_holds());
    now += 10 * one_minute;
    g->advance();   // TOTAL_TIME is 40: no jump back
    EXPECT_EQ(g->current_statement(), 3);
}

TEST_F(GuidanceTest, StateIsSavedInAndRestoredFromTheResultsFile)
{
    const auto g = make_guidance("TH 1;\nEX 2;\nEX 3;\nTE 3;");
    log_in(*g, "Pupil", false, true, true);
    g->start(false);
    g->advance();
    g->advance();
    now += 1 + 2.0 / 24 + 3 * one_minute + 5.0 / 86400;
    ASSERT_TRUE(g->save_state());
    results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(std::tuple(s.guidance_statement, s.guidance_is_on, s.guidance_is_switchable), std::tuple(3, true, true));
    EXPECT_EQ(s.guidance_time, 1u * 65536 + 2 * 2048 + 3 * 32 + 2);

    const auto again = make_guidance("TH 1;\nEX 2;\nEX 3;\nTE 3;");
    again->restore_state("Pupil", s);
    EXPECT_EQ(again->current_statement(), 3);
    EXPECT_NEAR(again->total_time(), 1 + 2.0 / 24 + 3 * one_minute + 4.0 / 86400, 1e-9);
    again->stop();
    ASSERT_TRUE(again->save_state());
    EXPECT_FALSE(stored_settings("Pupil").guidance_is_on);
}

TEST_F(GuidanceTest, RestoringMendsPositionsTheFileNoLongerHas)
{
    const auto g = make_guidance("TH 1;\n7: ;\n5: GOTO 9;\n9: EX 2;");
    results_format::settings s;
    s.guidance_is_on = true;
    for (const auto& [stored, restored] : {std::pair{-4, 1}, std::pair{2, 4}}) {
        s.guidance_statement = static_cast<std::int16_t>(stored);
        g->restore_state("", s);
        EXPECT_EQ(g->current_statement(), restored);
    }
    s.guidance_statement = 300;
    g->restore_state("", s);
    EXPECT_TRUE(g->finished() && !g->is_on());
    EXPECT_FALSE(g->save_state());   // nobody logged in
}

TEST_F(GuidanceTest, EndlessJumpsStopTheProgramInsteadOfHanging)
{
    const auto g = make_guidance("TH 1;\n3: IF (COUNT < 5) GOTO 4;\n4: GOTO 3;\nTH 2;");
    g->start(false);
    EXPECT_EQ(exit_code_of([&] { g->advance(); }), 1);
    EXPECT_EQ(responder.last().text, "Error in Guidance Order, Statement = 2, error is: its jumps never reach a "
                                     "theory chapter, exercise, test or HALT");
    EXPECT_EQ(g->current_statement(), 1);
}

TEST(GuidanceTime, WholeMinutesAreCountedInWholeSecondsAndSaturate)
{
    EXPECT_EQ(whole_minutes(5 * one_minute), 5);
    EXPECT_EQ(whole_minutes(5 * one_minute - 1.0 / 86400), 4);
    EXPECT_EQ(whole_minutes(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(whole_minutes(-1e12), std::numeric_limits<std::int32_t>::min());
}
