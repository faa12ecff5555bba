#include "foundation/settings.h"
#include "platform/core/file_system.h"
#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/theory_chapters.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

TEST_F(GuidanceTest, FileIsNamedBySettingsAndFoundWithoutRegardToCase)
{
    program.write("guid1.txt", "TH 1;\nEX 2;\n");
    Tguidance_object standard;
    EXPECT_TRUE(standard.file_ok());
    EXPECT_EQ(standard.statement_count(), 2);
    EXPECT_EQ(responder.count(), 0u);

    write_setting("", "GENERAL", "Guidance File", "lesson");
    Tguidance_object missing;
    EXPECT_FALSE(missing.file_ok());
    EXPECT_EQ(missing.statement_count(), 0);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Guidance file LESSON.TXT not found");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);

    program.write("Lesson.Txt", "TH 3;");
    Tguidance_object found;
    EXPECT_TRUE(found.file_ok());
    EXPECT_EQ(found.statement_count(), 1);

    write_setting("", "GENERAL", "Guidance File", "");
    EXPECT_EQ(guidance_file_name_from_settings(), "GUID1.TXT");
    write_setting("", "GENERAL", "Guidance File", "course.gd");
    EXPECT_EQ(guidance_file_name_from_settings(), "course.gd");
}

TEST_F(GuidanceTest, AFileThatCannotBeOpenedOrReadIsShownAndLeavesGuidanceUnavailable)
{
    // Reading this file fails with an input/output error after it has opened.
    std::filesystem::create_symlink("/proc/self/mem", program.file("BROKEN.TXT"));
    EXPECT_FALSE(Tguidance_object("broken.txt").file_ok());
    program.write("locked.txt", "TH 1;");
    platform::fail_next_file_open();
    EXPECT_FALSE(Tguidance_object("locked.txt").file_ok());
    ASSERT_EQ(responder.count(), 2u);
    EXPECT_EQ(responder.boxes()[0].text, "Error while reading guidance file BROKEN.TXT!");
    EXPECT_EQ(responder.boxes()[0].flags, platform::MB_ICONERROR);
    EXPECT_EQ(responder.boxes()[1].text, "The guidance file LOCKED.TXT could not be opened!");
}

TEST_F(GuidanceTest, AtMost500LinesAreKept)
{
    std::string text = "* comment lines do not count\n";
    for (int k = 0; k < 499; ++k)
        text += k % 2 ? "TH 1;\n" : "\n";
    text += "* nor this\nTH 2;\n";
    const auto full = make_guidance(text);
    EXPECT_TRUE(full->file_ok());
    EXPECT_EQ(full->statement_count(), 250);
    EXPECT_EQ(responder.count(), 0u);

    const auto over = make_guidance(text + "# a remark line is kept\n");
    EXPECT_FALSE(over->file_ok());
    EXPECT_EQ(over->statement_count(), 0);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Guidance file TEST.TXT contains too many lines!");
}

TEST_F(GuidanceTest, CompileErrorStopsTheProgram)
{
    EXPECT_EQ(exit_code_of([this] { make_guidance("TH 1;\n  ex 12;  # twelve\n"); }), 1);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Error in Guidance Order, Line = \"  ex 12;  \", error is: value out of range");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
}

TEST_F(GuidanceTest, TheoryChaptersFollowTheAdditionalSubjects)
{
    EXPECT_EQ(theory_chapter_count(), 4);
    const std::pair<const char*, int> subjects[] = {{"7", 5}, {" 2", 2}, {"00003", 3}, {"two", 0},
                                                    {"-3", 0}, {"2x", 0}, {"", 0}, {"000002", 0}};
    for (const auto& [value, count] : subjects) {
        write_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", value);
        EXPECT_EQ(additional_theory_subjects(), count) << value;
        EXPECT_EQ(theory_chapter_count(), 4 + count) << value;
    }
    write_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", "7");
    EXPECT_TRUE(make_guidance("TH 9;")->file_ok());
}

TEST_F(GuidanceTest, StartAdvanceAndFinish)
{
    const auto empty = make_guidance("* nothing but comments\n*\n");
    EXPECT_TRUE(empty->file_ok());
    empty->start(false);
    EXPECT_FALSE(empty->is_on()) << "a file without statements cannot be switched on";
    EXPECT_EQ(empty->fetch_current_statement().kind, kind_empty);

    const auto g = make_guidance(";\nTH 2;\n1: IF (COUNT > 5) GOTO 20;\nEX 3 /L=2 /EXIT=(COUNT >= 2);\n20: TE 4;\nGOTO 77;");
    EXPECT_EQ(g->current_statement(), 0);
    g->start(false);
    EXPECT_TRUE(g->is_on());
    guidance_step step = g->fetch_current_statement();
    EXPECT_EQ(std::pair(step.kind, step.number), std::pair(kind_theory, 2));
    for (int k = 0; k < 5; ++k)
        g->record_answer(true);
    g->advance();   // COUNT is 5: no jump
    step = g->fetch_current_statement();
    EXPECT_EQ(std::tuple(step.kind, step.number, step.level), std::tuple(kind_exercise, 3, 2));
    g->reset_counters();
    EXPECT_TRUE(g->exit_ok_holds()) << "no EXIT_OK condition";
    g->record_answer(false);
    EXPECT_FALSE(g->exit_holds());
    g->record_answer(true);
    EXPECT_TRUE(g->exit_holds());
    g->advance();
    step = g->fetch_current_statement();
    EXPECT_EQ(std::pair(step.kind, step.level), std::pair(kind_test, 1));
    EXPECT_FALSE(g->exit_holds()) << "the test has no EXIT condition";
    EXPECT_EQ(responder.count(), 0u);

    g->advance();   // GOTO 77: no such label
    EXPECT_TRUE(g->finished());
    EXPECT_EQ(g->current_statement(), 7);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The end.");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONWARNING);
    EXPECT_TRUE(g->is_on()) << "finishing alone does not switch guidance off";
    g->advance();
    EXPECT_EQ(g->current_statement(), 7) << "past the end it stays just past the end";
    g->start(false);
    EXPECT_TRUE(g->finished() && !g->is_on()) << "only a restart leaves the end";
    g->start(true);
    EXPECT_EQ(g->current_statement(), 2);
    EXPECT_TRUE(g->is_on());
}

TEST_F(GuidanceTest, CountersKeepTheRecentAnswers)
{
    const auto g = make_guidance("EX 1 /EXIT=((SCORE(50) = 100) AND (SCORE = 85)) /EXIT_OK=(SCORE(5) >= 60);");
    g->start(false);
    g->fetch_current_statement();
    for (int k = 0; k < 5; ++k)
        g->record_answer(false);
    EXPECT_FALSE(g->exit_ok_holds());
    for (int k = 0; k < 3; ++k)
        g->record_answer(true);
    EXPECT_TRUE(g->exit_ok_holds()) << "three of the last five";
    for (int k = 0; k < 27; ++k)
        g->record_answer(true);
    const guidance_counters& c = g->counters();
    EXPECT_EQ(c.count(), 35);
    EXPECT_EQ(c.correct(), 30);
    EXPECT_EQ(c.score(), 85);
    EXPECT_EQ(c.recent_correct(0), 0);
    EXPECT_EQ(c.recent_correct(30), 30);
    EXPECT_TRUE(g->exit_holds()) << "SCORE(50) is the score of the last 30 answers";
    g->record_answer(false);
    EXPECT_EQ(c.recent_correct(30), 29);
    EXPECT_EQ(c.recent_correct(1), 0);
    g->reset_counters();
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(c.score(), 0);
    EXPECT_EQ(c.recent_correct(30), 0);
    EXPECT_THROW(c.recent_correct(31), std::out_of_range);
}

TEST_F(GuidanceTest, ExerciseTimeRunsFromTheMarkToTheLatestAnswer)
{
    const auto g = make_guidance("EX 1 /EXIT=(TIME >= 5);");
    g->mark_exercise_start();   // guidance off: nothing marked
    g->start(false);
    g->fetch_current_statement();
    g->mark_exercise_start();
    now += 4 * one_minute + 59.0 / 86400;
    g->record_answer(true);
    EXPECT_FALSE(g->exit_holds());
    now += 1.0 / 86400;
    EXPECT_FALSE(g->exit_holds()) << "the time is taken at an answer";
    g->record_answer(true);
    EXPECT_TRUE(g->exit_holds()) << "exactly five minutes";
    g->mark_exercise_start();
    EXPECT_EQ(g->exercise_time(), 0);
    EXPECT_FALSE(g->exit_holds());
}

TEST_F(GuidanceTest, TotalTimeAccumulatesOnlyUnderGuidance)
{
    const auto g = make_guidance("EX 1 /EXIT=(TOTAL_TIME >= 30);\nIF (TOTAL_TIME < 40) GOTO 0;\nTH 1;");
    now += 600 * one_minute;   // before guidance is first on
    g->start(false);
    g->fetch_current_statement();
    now += 20 * one_minute;
    EXPECT_FALSE(g->exit_holds());
    EXPECT_NEAR(g->total_time() / one_minute, 20, 1e-6) << "evaluating TOTAL_TIME takes in the span";
    now += 9 * one_minute;
    g->stop();
    EXPECT_NEAR(g->total_time() / one_minute, 29, 1e-6);
    now += 60 * one_minute;   // off: not guidance time
    EXPECT_FALSE(g->exit_holds());
    g->start(false);
    now += 1 * one_minute;
    EXPECT_TRUE(g->exit_holds());
    now += 10 * one_minute;
    g->advance();   // TOTAL_TIME is 40: no jump back
    EXPECT_EQ(g->current_statement(), 3);
    EXPECT_NEAR(g->total_time() / one_minute, 40, 1e-6);
}

TEST_F(GuidanceTest, StateIsSavedInAndRestoredFromTheResultsFile)
{
    const auto g = make_guidance("TH 1;\nEX 2;\nEX 3;\nTE 3;");
    log_in(*g, "Pupil", false, true, true);
    EXPECT_EQ(g->pupil_name(), "Pupil");
    EXPECT_TRUE(g->switchable());
    EXPECT_TRUE(g->restart_enabled());
    EXPECT_TRUE(g->store_test_results());
    EXPECT_FALSE(g->is_on());
    g->start(false);
    g->advance();
    g->advance();
    now += 1 + 2.0 / 24 + 3 * one_minute + 5.0 / 86400;
    ASSERT_TRUE(g->save_state());
    results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(s.guidance_statement, 3);
    EXPECT_TRUE(s.guidance_is_on);
    EXPECT_EQ(s.guidance_time, 1u * 65536 + 2 * 2048 + 3 * 32 + 2);
    EXPECT_TRUE(s.guidance_is_switchable) << "the teacher's settings stay";

    const auto again = make_guidance("TH 1;\nEX 2;\nEX 3;\nTE 3;");
    again->restore_state("Pupil", s);
    EXPECT_TRUE(again->is_on());
    EXPECT_EQ(again->current_statement(), 3);
    EXPECT_NEAR(again->total_time(), 1 + 2.0 / 24 + 3 * one_minute + 4.0 / 86400, 1e-9);
    now += one_minute;
    again->stop();
    ASSERT_TRUE(again->save_state());
    s = stored_settings("Pupil");
    EXPECT_FALSE(s.guidance_is_on);
    EXPECT_EQ(s.guidance_time, 1u * 65536 + 2 * 2048 + 4 * 32 + 2);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(GuidanceTest, RestoringMendsPositionsTheFileNoLongerHas)
{
    const auto g = make_guidance("TH 1;\n7: ;\n5: GOTO 9;\n9: EX 2;");
    results_format::settings s;
    s.guidance_is_on = true;
    s.guidance_statement = -4;
    g->restore_state("", s);
    EXPECT_EQ(g->current_statement(), 1) << "a damaged position starts from the beginning";
    s.guidance_statement = 2;
    g->restore_state("", s);
    EXPECT_EQ(g->current_statement(), 4);
    EXPECT_EQ(g->fetch_current_statement().kind, kind_exercise);
    s.guidance_statement = 300;
    g->restore_state("", s);
    EXPECT_TRUE(g->finished());
    EXPECT_FALSE(g->is_on());
    EXPECT_FALSE(g->save_state()) << "nobody logged in: nothing stored";
}

TEST_F(GuidanceTest, HaltSavesAndEndsWithItsCode)
{
    const auto g = make_guidance("TH 1;\nHALT 7;\nTH 2;");
    log_in(*g, "Pupil", true, false, false);
    EXPECT_TRUE(g->is_on());
    g->advance();
    now += 10 * one_minute;
    EXPECT_EQ(exit_code_of([&] { g->fetch_current_statement(); }), 7);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Stopped\nby\nHALT");
    EXPECT_EQ(responder.last().flags, platform::MB_ICONERROR);
    const results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(s.guidance_statement, 2);
    EXPECT_EQ(s.guidance_time, 10u * 32);
}

TEST_F(GuidanceTest, EndlessJumpsStopTheProgramInsteadOfHanging)
{
    const auto g = make_guidance("TH 1;\n3: IF (COUNT < 5) GOTO 4;\n4: GOTO 3;\nTH 2;");
    g->start(false);
    g->record_answer(true);
    EXPECT_EQ(exit_code_of([&] { g->advance(); }), 1);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Error in Guidance Order, Statement = 2, error is: its jumps never reach a "
                                     "theory chapter, exercise, test or HALT");
    EXPECT_EQ(g->current_statement(), 1) << "the position stays where it was";
}

TEST(GuidanceTime, WholeMinutesAreCountedInWholeSeconds)
{
    EXPECT_EQ(whole_minutes(5 * one_minute), 5);
    EXPECT_EQ(whole_minutes(5 * one_minute - 1.0 / 86400), 4);
    EXPECT_EQ(whole_minutes(0), 0);
    EXPECT_EQ(whole_minutes(-90.0 / 86400), -1);
    EXPECT_EQ(whole_minutes(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(whole_minutes(-1e12), std::numeric_limits<std::int32_t>::min());
}
