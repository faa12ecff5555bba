#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/guidance_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace student_files;
using namespace tutor::engine;

namespace {

// Records what the driver asks of the main window, one line per call.
struct fake_main_window : guidance_main_window {
    std::vector<std::string> calls;
    void click_theory_menu_item(int chapter) override { calls.push_back("theory " + std::to_string(chapter)); }
    void click_exercise_menu_item(int exercise) override { calls.push_back("exercise " + std::to_string(exercise)); }
    void set_test_mode(bool test) override { calls.push_back(test ? "test mode" : "exercise mode"); }
    void set_practice_level(int level) override { calls.push_back("level " + std::to_string(level)); }
    void update_switch_guidance_caption() override { calls.push_back("caption"); }
    void close_by_guidance() override { calls.push_back("close"); }
};

using calls = std::vector<std::string>;

class GuidanceDriverTest : public GuidanceTest {
protected:
    void set_up(std::string_view text, bool on, bool switchable, bool restart, const std::string& pupil = "Pupil")
    {
        g = make_guidance(text);
        log_in(*g, pupil, on, switchable, restart);
        driver = std::make_unique<Tguidance_driver>(window, *g);
    }
    std::vector<std::string> box_texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : responder.boxes())
            texts.push_back(box.text);
        return texts;
    }

    fake_main_window window;
    std::unique_ptr<Tguidance_object> g;
    std::unique_ptr<Tguidance_driver> driver;
};

} // namespace

TEST_F(GuidanceDriverTest, NextStatementsOpenChaptersExercisesAndTests)
{
    set_up("TH 2;\nEX 5 /L=3;\nTE 9;", true, true, true);
    EXPECT_TRUE(driver->run(tag_continue));
    EXPECT_EQ(window.calls, (calls{"theory 2"}));
    EXPECT_TRUE(driver->run(tag_next_statement));
    EXPECT_TRUE(driver->run(tag_next_statement));
    EXPECT_EQ(window.calls, (calls{"theory 2", "exercise mode", "level 3", "exercise 5", "test mode", "level 1",
                                   "exercise 9"}));
    EXPECT_EQ(responder.count(), 0u);

    window.calls.clear();
    driver->run(tag_next_statement);   // the end; a switchable pupil is left with guidance off
    EXPECT_EQ(box_texts(), (calls{"The end."}));
    EXPECT_EQ(window.calls, (calls{"caption"}));
    EXPECT_FALSE(g->is_on());
    EXPECT_FALSE(driver->run(1)) << "tag 1 is the pupil's login, not the driver's";
    EXPECT_FALSE(driver->run(7));
}

TEST_F(GuidanceDriverTest, FinishedPupilWhoMayRestartIsAsked)
{
    set_up("TH 1;\nTH 3;", true, false, true);
    driver->run(tag_next_statement);
    responder.clear();
    window.calls.clear();
    responder.answer_next(platform::IDOK);
    responder.answer_next(platform::IDYES);
    driver->run(tag_next_statement);
    EXPECT_EQ(box_texts(), (calls{"The end.", "E4"}));
    EXPECT_EQ(responder.boxes()[1].flags, platform::MB_YESNO | platform::MB_ICONQUESTION);
    EXPECT_EQ(window.calls, (calls{"theory 1"})) << "Yes starts again";

    driver->run(tag_next_statement);
    responder.clear();
    window.calls.clear();
    responder.answer_next(platform::IDOK);
    responder.answer_next(platform::IDNO);
    driver->run(tag_next_statement);
    EXPECT_EQ(box_texts(), (calls{"The end.", "E4", "E5"}));
    EXPECT_EQ(window.calls, (calls{"close"}));
}

TEST_F(GuidanceDriverTest, FinishedPupilWhoMayNotRestartIsSentAway)
{
    set_up("TH 1;", true, false, false);
    driver->run(tag_next_statement);
    EXPECT_EQ(box_texts(), (calls{"The end.", "E5"}));
    EXPECT_EQ(window.calls, (calls{"close"}));
    EXPECT_TRUE(g->is_on()) << "saved as on by the window's close";
}

TEST_F(GuidanceDriverTest, SwitchingOnAndOff)
{
    set_up("TH 1;\nEX 2;", false, true, true);
    driver->run(tag_switch_on_off);
    EXPECT_TRUE(g->is_on());
    EXPECT_EQ(window.calls, (calls{"caption", "theory 1"}));
    window.calls.clear();
    driver->run(tag_switch_on_off);
    EXPECT_FALSE(g->is_on());
    EXPECT_EQ(window.calls, (calls{"caption"}));

    window.calls.clear();
    driver->run(tag_start_again);
    EXPECT_EQ(window.calls, (calls{"caption", "theory 1"}));
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(GuidanceDriverTest, SwitchingOnWhenFinished)
{
    set_up("TH 1;", true, true, true);
    driver->run(tag_next_statement);   // finished and switched off
    responder.clear();
    window.calls.clear();
    responder.answer_next(platform::IDNO);
    driver->run(tag_switch_on_off);
    EXPECT_EQ(box_texts(), (calls{"E1\nE2"}));
    EXPECT_FALSE(g->is_on()) << "a switchable pupil may leave it off";
    EXPECT_EQ(window.calls, (calls{"caption"}));

    responder.clear();
    window.calls.clear();
    responder.answer_next(platform::IDYES);
    driver->run(tag_switch_on_off);
    EXPECT_TRUE(g->is_on());
    EXPECT_EQ(window.calls, (calls{"caption", "theory 1"}));
}

TEST_F(GuidanceDriverTest, SwitchingOnWhenFinishedWithoutChoices)
{
    set_up("TH 1;", false, false, false);
    g->start(false);
    g->advance();
    g->stop();
    responder.clear();
    driver->run(tag_switch_on_off);
    EXPECT_EQ(box_texts(), (calls{"E3"}));
    EXPECT_EQ(window.calls, (calls{"caption"}));

    // Restart allowed but refused by a pupil who may not switch: the tutor
    // closes with guidance on, and nothing more is asked.
    set_up("TH 1;", false, false, true, "Other");
    g->start(false);
    g->advance();
    g->stop();
    responder.clear();
    window.calls.clear();
    responder.answer_next(platform::IDNO);
    driver->run(tag_switch_on_off);
    EXPECT_EQ(box_texts(), (calls{"E1\nE2", "E5"}));
    EXPECT_EQ(window.calls, (calls{"close"}));
    EXPECT_TRUE(g->is_on());
}

TEST_F(GuidanceDriverTest, SaveAndCloseStoresThePlace)
{
    set_up("TH 1;\nTH 2;\nTH 3;", true, true, true);
    driver->run(tag_next_statement);
    now += 3 * one_minute;
    window.calls.clear();
    driver->run(tag_save_and_close);
    EXPECT_EQ(window.calls, (calls{"close"}));
    const results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(s.guidance_statement, 2);
    EXPECT_TRUE(s.guidance_is_on);
    EXPECT_EQ(s.guidance_time, 3u * 32);
}
