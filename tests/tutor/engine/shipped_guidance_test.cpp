#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/guidance_driver.h"

#include <gtest/gtest.h>

#include <set>

using namespace tutor::engine;

namespace {

// A pupil working through the course: each exercise is run as the practice
// window runs it, half a minute per answer, until its EXIT condition holds.
struct practising_window : guidance_main_window {
    practising_window(Tguidance_object& guidance, double& clock, bool right)
        : g(guidance), now(clock), answers_right(right)
    {
    }
    void click_theory_menu_item(int chapter) override
    {
        chapters.insert(chapter);
        pending = tag_next_statement;
    }
    void click_exercise_menu_item(int exercise) override
    {
        (test_mode ? tests : exercises).insert(exercise);
        g.reset_counters();
        g.mark_exercise_start();
        for (int k = 0; k < 100 && !g.exit_holds(); ++k) {
            now += one_minute / 2;
            g.record_answer(answers_right);
        }
        EXPECT_TRUE(g.exit_holds()) << "exercise " << exercise << " never ends";
        EXPECT_TRUE(g.exit_ok_holds()) << "exercise " << exercise << " cannot be left when it ends";
        pending = tag_next_statement;
    }
    void set_test_mode(bool test) override { test_mode = test; }
    void set_practice_level(int level) override { levels.insert(level); }
    void update_switch_guidance_caption() override {}
    void close_by_guidance() override { closed = true; }

    Tguidance_object& g;
    double& now;
    bool answers_right;
    bool test_mode = false;
    bool closed = false;
    int pending = 0;
    std::set<int> chapters, exercises, tests, levels;
};

class ShippedGuidanceTest : public GuidanceTest, public testing::WithParamInterface<bool> {};

} // namespace

TEST_P(ShippedGuidanceTest, LeadsThroughEveryChapterAndExerciseToTheEnd)
{
    Tguidance_object g(test_support::shipped_data_file("GUID1.TXT"));
    ASSERT_TRUE(g.file_ok());
    EXPECT_EQ(responder.count(), 0u);
    g.set_clock([this] { return now; });
    log_in(g, "Pupil", true, true, true);

    practising_window window(g, now, GetParam());
    Tguidance_driver driver(window, g);
    driver.run(tag_continue);
    int steps = 0;
    for (; window.pending != 0 && steps < 1000; ++steps) {
        const int tag = window.pending;
        window.pending = 0;
        driver.run(tag);
    }
    EXPECT_LT(steps, 1000);
    EXPECT_TRUE(g.finished());
    EXPECT_FALSE(g.is_on());
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(window.chapters, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(window.exercises, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(window.tests, (std::set<int>{1, 3, 5, 8, 9}));
    EXPECT_EQ(window.levels, (std::set<int>{1, 2, 3}));
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The end.");
}

INSTANTIATE_TEST_SUITE_P(RightAndWrongAnswers, ShippedGuidanceTest, testing::Bool());
