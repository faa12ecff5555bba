#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/guidance_driver.h"

#include <vector>

namespace {

using calls = std::vector<std::string>;

// Records what the driver asks of the main window, one line per call.
struct fake_main_window : guidance_main_window {
    calls done;
    void click_theory_menu_item(int chapter) override { done.push_back("theory " + std::to_string(chapter)); }
    void click_exercise_menu_item(int exercise) override { done.push_back("exercise " + std::to_string(exercise)); }
    void set_test_mode(bool test) override { done.push_back(test ? "test mode" : "exercise mode"); }
    void set_practice_level(int level) override { done.push_back("level " + std::to_string(level)); }
    void update_switch_guidance_caption() override { done.push_back("caption"); }
    void close_by_guidance() override { done.push_back("close"); }
};

struct driver_case {
    const char* what;
    const char* course;
    bool on, switchable, restart, finished_before;
    std::vector<int> tags, answers;
    calls boxes, done;
    bool on_after;
};

void PrintTo(const driver_case& c, std::ostream* out)
{
    *out << c.what;
}

const int ok = platform::IDOK, yes = platform::IDYES, no = platform::IDNO;
const driver_case driver_cases[] = {
    {"next statements to the end", "TH 2;\nEX 5 /L=3;\nTE 9;", true, true, true, false,
     {tag_continue, tag_next_statement, tag_next_statement, tag_next_statement}, {}, {"The end."},
     {"theory 2", "exercise mode", "level 3", "exercise 5", "test mode", "level 1", "exercise 9", "caption"}, false},
    {"restart asked and taken", "TH 1;\nTH 3;", true, false, true, false, {tag_next_statement, tag_next_statement},
     {ok, yes}, {"The end.", "E4"}, {"theory 3", "theory 1"}, true},
    {"restart asked and refused", "TH 1;\nTH 3;", true, false, true, false, {tag_next_statement, tag_next_statement},
     {ok, no}, {"The end.", "E4", "E5"}, {"theory 3", "close"}, true},
    {"no restart: sent away", "TH 1;", true, false, false, false, {tag_next_statement}, {}, {"The end.", "E5"},
     {"close"}, true},
    {"switched on, off and started again", "TH 1;\nEX 2;", false, true, true, false,
     {tag_switch_on_off, tag_switch_on_off, tag_start_again}, {}, {},
     {"caption", "theory 1", "caption", "caption", "theory 1"}, true},
    {"switched on when finished, left off", "TH 1;", true, true, true, false, {tag_next_statement, tag_switch_on_off},
     {ok, no}, {"The end.", "E1\nE2"}, {"caption", "caption"}, false},
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
    const auto g = make_guidance(c.course);
    log_in(*g, "Pupil", c.on, c.switchable, c.restart);
    if (c.finished_before) {
        g->start(false);
        g->advance();
        g->stop();
        responder.clear();
    }
    fake_main_window window;
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
    fake_main_window window;
    Tguidance_driver driver(window, *g);
    driver.run(tag_next_statement);
    now += 3 * one_minute;
    driver.run(tag_save_and_close);
    EXPECT_EQ(window.done, (calls{"theory 2", "close"}));
    const results_format::settings s = stored_settings("Pupil");
    EXPECT_EQ(std::tuple(s.guidance_statement, s.guidance_is_on, s.guidance_time), std::tuple(2, true, 3u * 32));
}
