// The guidance in a program folder with a student files directory, its
// texts, a scripted responder, an intercepted exit and a clock the test moves.
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/student_data_files.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/support/temp_dir.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/engine/pupil_login.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

const char* const guidance_texts =
    "$[END_OF_GUIDANCE]\nThe end.\n"
    "$[FORCED_END_OF_GUIDANCE]\nStopped\nby\nHALT\n"
    "$[OTHER_GUIDANCE_FINISHED_MESSAGES]\nE1\nE2\nE3\nE4\nE5\n"
    "$[RESULTS_ERROR_MESSAGES]\nQ1 \n Q2\nCannot use it\nIO \n at \n-\n";

constexpr double one_minute = 1.0 / 1440;

class GuidanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(program.path());
        std::string problem;
        text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(guidance_texts, problem));
        program.make_dir("RESULTS");
        student_data_files = std::make_unique<Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        guidance.reset();
        student_data_files.reset();
        text_handler.reset();
    }

    // A guidance object of the text, on the test's clock.
    std::unique_ptr<Tguidance_object> make_guidance(std::string_view text)
    {
        auto g = std::make_unique<Tguidance_object>(text, "test.txt");
        g->set_clock([this] { return now; });
        return g;
    }

    // A pupil with a fresh results file, logged in.
    void log_in(Tguidance_object& g, const std::string& pupil, bool on, bool switchable, bool restart)
    {
        ASSERT_TRUE(student_data_files->create_results_file(pupil, "secret", on, switchable, restart, true));
        g.restore_state(pupil, stored_settings(pupil));
    }

    results_format::settings stored_settings(const std::string& pupil)
    {
        results_format::settings s;
        EXPECT_TRUE(student_data_files->read_settings(pupil, s));
        return s;
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    platform::throwing_exit_guard exit_guard;
    double now = 45000.5;
};

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

// A compile error, or endless jumps instead of a hang.
TEST_F(GuidanceTest, ErrorsInTheOrderStopTheProgram)
{
    EXPECT_EQ(test_support::stop_message([this] { make_guidance("TH 1;\n  ex 12;  # twelve\n"); }),
              "Error in Guidance Order, Line = \"  ex 12;  \", error is: value out of range");
    const auto g = make_guidance("TH 1;\n3: IF (COUNT < 5) GOTO 4;\n4: GOTO 3;\nTH 2;");
    g->start(false);
    EXPECT_EQ(test_support::stop_message([&] { g->advance(); }),
              "Error in Guidance Order, Statement = 2, error is: its jumps never reach a theory chapter, exercise, "
              "test or HALT");
    EXPECT_EQ(g->current_statement(), 1);
}

TEST_F(GuidanceTest, CountersKeepTheRecentAnswersAndWholeMinutes)
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
    // Whole minutes are counted in whole seconds.
    EXPECT_EQ(std::pair(whole_minutes(5 * one_minute), whole_minutes(5 * one_minute - 1.0 / 86400)), std::pair(5, 4));
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
    EXPECT_EQ(g->fetch_current_statement().kind, kind_exercise);
    EXPECT_FALSE(g->exit_holds());   // an exercise without EXIT does not end by itself
    s.guidance_statement = 300;
    g->restore_state("", s);
    EXPECT_TRUE(g->finished() && !g->is_on());
    EXPECT_EQ(g->fetch_current_statement().kind, kind_empty);
}

namespace {

using calls = std::vector<std::string>;

// Records what the driver asks of the main window, one line per call. A
// pupil works through each exercise as the practice window runs it, half a
// minute per answer, until its EXIT condition holds; each chapter or
// exercise done asks for the next statement.
struct fake_main_window : guidance_main_window {
    fake_main_window(Tguidance_object& guidance, double& clock, bool right = true)
        : g(guidance), now(clock), answers_right(right)
    {
    }
    void click_theory_menu_item(int chapter) override { done_with("theory " + std::to_string(chapter)); }
    void click_exercise_menu_item(int exercise) override
    {
        g.reset_counters();
        g.mark_exercise_start();
        for (int k = 0; k < 100 && !g.exit_holds(); ++k) {
            now += one_minute / 2;
            g.record_answer(answers_right);
        }
        EXPECT_TRUE(g.exit_holds()) << "exercise " << exercise << " never ends";
        EXPECT_TRUE(g.exit_ok_holds()) << "exercise " << exercise << " cannot be left when it ends";
        done_with((test_mode ? "test " : "exercise ") + std::to_string(exercise));
    }
    void set_test_mode(bool test) override
    {
        test_mode = test;
        done.push_back(test ? "test mode" : "exercise mode");
    }
    void set_practice_level(int level) override { done.push_back("level " + std::to_string(level)); }
    void update_switch_guidance_caption() override { done.push_back("caption"); }
    void close_by_guidance() override { done.push_back("close"); }
    void done_with(const std::string& call)
    {
        done.push_back(call);
        pending = tag_next_statement;
    }

    Tguidance_object& g;
    double& now;
    bool answers_right;
    bool test_mode = false;
    int pending = 0;
    calls done;
};

struct driver_case {
    const char* what;
    const char* course;
    bool on, switchable, restart, finished_before;
    std::vector<int> tags, answers;
    calls boxes, done;
    bool on_after;
};

const int ok = platform::IDOK, yes = platform::IDYES, no = platform::IDNO;
const driver_case driver_cases[] = {
    {"restart asked and taken", "TH 1;\nTH 3;", true, false, true, false, {tag_next_statement, tag_next_statement},
     {ok, yes}, {"The end.", "E4"}, {"theory 3", "theory 1"}, true},
    {"no restart: sent away", "TH 1;", true, false, false, false, {tag_next_statement}, {}, {"The end.", "E5"},
     {"close"}, true},
    {"switched on, off and started again", "TH 1;\nEX 2;", false, true, true, false,
     {tag_switch_on_off, tag_switch_on_off, tag_start_again}, {}, {},
     {"caption", "theory 1", "caption", "caption", "theory 1"}, true},
    {"switched on when finished, restarted", "TH 1;", true, true, true, false, {tag_next_statement, tag_switch_on_off},
     {ok, yes}, {"The end.", "E1\nE2"}, {"caption", "caption", "theory 1"}, true},
    {"finished without choices", "TH 1;", false, false, false, true, {tag_switch_on_off}, {}, {"E3"}, {"caption"},
     false},
    {"finished, restart refused by a pupil who may not switch", "TH 1;", false, false, true, true,
     {tag_switch_on_off}, {no}, {"E1\nE2", "E5"}, {"close"}, true},
};

class GuidanceDriverTest : public GuidanceTest, public testing::WithParamInterface<driver_case> {};

} // namespace

TEST_P(GuidanceDriverTest, ShowsTheStatementsAndAsksAtTheEnd)
{
    const driver_case& c = GetParam();
    SCOPED_TRACE(c.what);
    const auto g = make_guidance(c.course);
    log_in(*g, "Pupil", c.on, c.switchable, c.restart);
    if (c.finished_before) {
        g->start(false);
        g->advance();
        g->stop();
        responder.clear();
    }
    fake_main_window window(*g, now);
    Tguidance_driver driver(window, *g);
    for (int answer : c.answers)
        responder.answer_next(answer);
    for (int tag : c.tags)
        EXPECT_TRUE(driver.run(tag));
    calls boxes;
    for (const auto& box : responder.boxes())
        boxes.push_back(box.text);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(window.done, c.done);
    EXPECT_EQ(g->is_on(), c.on_after);
    EXPECT_FALSE(driver.run(1));   // the pupil's login, not the driver's
}

INSTANTIATE_TEST_SUITE_P(Cases, GuidanceDriverTest, testing::ValuesIn(driver_cases));

TEST_F(GuidanceTest, SaveAndCloseStoresThePlace)
{
    const auto g = make_guidance("TH 1;\nTH 2;\nTH 3;");
    log_in(*g, "Pupil", true, true, true);
    fake_main_window window(*g, now);
    Tguidance_driver driver(window, *g);
    driver.run(tag_next_statement);
    now += 3 * one_minute;
    driver.run(tag_save_and_close);
    EXPECT_EQ(window.done, (calls{"theory 2", "close"}));
    const results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(std::tuple(s.guidance_statement, s.guidance_is_on, s.guidance_time), std::tuple(2, true, 3u * 32));
}

class ShippedGuidanceTest : public GuidanceTest, public testing::WithParamInterface<bool> {};

TEST_P(ShippedGuidanceTest, LeadsThroughEveryChapterAndExerciseToTheEnd)
{
    Tguidance_object g(test_support::shipped_data_file("GUID1.TXT"));
    ASSERT_TRUE(g.file_ok());
    g.set_clock([this] { return now; });
    log_in(g, "Pupil", true, true, true);

    fake_main_window window(g, now, GetParam());
    Tguidance_driver driver(window, g);
    window.pending = tag_continue;
    int steps = 0;
    while (window.pending != 0 && ++steps < 1000)
        driver.run(std::exchange(window.pending, 0));
    EXPECT_LT(steps, 1000);
    EXPECT_TRUE(g.finished() && !g.is_on());
    const std::set<std::string> met(window.done.begin(), window.done.end()), every_part = {
        "theory 1", "theory 2", "theory 3", "theory 4", "exercise 1", "exercise 2", "exercise 3", "exercise 4",
        "exercise 5", "exercise 6", "exercise 7", "exercise 8", "exercise 9", "test 1", "test 3", "test 5", "test 8",
        "test 9", "level 1", "level 2", "level 3", "exercise mode", "test mode", "caption"};
    EXPECT_EQ(met, every_part);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The end.");
}

INSTANTIATE_TEST_SUITE_P(RightAndWrongAnswers, ShippedGuidanceTest, testing::Bool());

// Anna stopped at the test, after 1 day 2 hours 3 minutes 4 seconds under guidance.
TEST_F(GuidanceTest, PupilLoginRestoresAndSavesTheGuidanceAndRefusesAWrongNameOrPassword)
{
    guidance = make_guidance("TH 1;\nEX 2 /L=3;\nTE 3;\nTH 2;");
    ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", true, true, false, true));
    ASSERT_TRUE(student_data_files->store_guidance_state("Anna", true, 3, 1u * 65536 + 2 * 2048 + 3 * 32 + 2));
    ASSERT_TRUE(student_data_files->create_results_file("Ben", "rose", false, false, true, false));
    ASSERT_TRUE(log_in_pupil("anna", "tulip"));   // the name is found without regard to case
    EXPECT_EQ(std::tuple(guidance->pupil_name(), guidance->is_on(), guidance->current_statement()),
              std::tuple("anna", true, 3));
    EXPECT_TRUE(guidance->switchable() && !guidance->restart_enabled() && guidance->store_test_results());
    guidance->advance();
    now += 10 * one_minute;
    ASSERT_TRUE(log_in_pupil("Ben", "rose"));
    const results_format::settings anna = stored_settings("Anna");
    EXPECT_EQ(std::tuple(anna.guidance_is_on, anna.guidance_statement, anna.guidance_time),
              std::tuple(true, 4, 1u * 65536 + 2 * 2048 + 13 * 32 + 2));
    EXPECT_FALSE(guidance->is_on());
    program.write("RESULTS/Dora.results", std::string(60, 'x'));
    for (const auto& [name, password] : {std::pair{"Anna", "rose"}, std::pair{"Anna", ""}, std::pair{"Carl", "tulip"},
                                         std::pair{"", ""}, std::pair{"../Anna", "tulip"}, std::pair{"Dora", ""}})
        EXPECT_FALSE(log_in_pupil(name, password)) << name << " / " << password;
    EXPECT_EQ(guidance->pupil_name(), "Ben");
    EXPECT_EQ(responder.count(), 0u);   // a refused login is the dialog's to tell
}

namespace {

struct setting_case {
    const char* what;
    const char* course;   // null: the guidance file is missing
    int statement;        // where the pupil stopped
    void (*meanwhile)(Tguidance_object&);
    bool stored_on;
};

const setting_case setting_cases[] = {
    {"missing guidance file", nullptr, 2, [](Tguidance_object&) {}, true},
    {"finished guidance stopped at its end", "TH 1;", 2, [](Tguidance_object& g) { g.stop_at_end(); }, true},
    {"pupil switched it off", "TH 1;\nTH 2;", 1, [](Tguidance_object& g) { g.stop(); }, false},
    {"teacher switched it off meanwhile", "TH 1;\nTH 2;", 1,
     [](Tguidance_object&) {
         EXPECT_TRUE(student_data_files->change_results_file("Pupil", "", false, true, true, true, false));
     },
     false},
};

class PupilSettingTest : public GuidanceTest, public testing::WithParamInterface<setting_case> {};

} // namespace

TEST_P(PupilSettingTest, TheSavedGuidanceSettingChangesOnlyByThePupilOrTheTeacher)
{
    const setting_case& c = GetParam();
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(student_data_files->create_results_file("Pupil", "secret", true, true, true, true));
    ASSERT_TRUE(student_data_files->store_guidance_state("Pupil", true, c.statement, 0));
    guidance = c.course ? make_guidance(c.course) : std::make_unique<Tguidance_object>("missing.txt");
    ASSERT_TRUE(log_in_pupil("Pupil", "secret"));
    c.meanwhile(*guidance);
    ASSERT_TRUE(guidance->save_state());
    const results_format::settings stored = stored_settings("Pupil");
    EXPECT_EQ(std::tuple(stored.guidance_is_on, stored.guidance_statement), std::tuple(c.stored_on, c.statement));
}

INSTANTIATE_TEST_SUITE_P(Cases, PupilSettingTest, testing::ValuesIn(setting_cases));
