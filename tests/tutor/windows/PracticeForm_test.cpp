#include "tests/tutor/windows/tutor_windows_fixture.h"

#include <QMenuBar>

using namespace foundation::widgets;
using namespace foundation;
using namespace student_files;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;
using namespace tutor::windows;

TEST_F(PracticeFormTest, FourCorrectAndOneShownSolutionScoreEightyInExerciseMode)
{
    open(8, 1, false);
    EXPECT_EQ(form->windowTitle(), "Three views");
    EXPECT_THROW(form->get_exercise_title(10), std::out_of_range);
    for (int i = 0; i < 4; ++i)
        click("ready_button");
    EXPECT_EQ(responder.last().text, "Right.");
    click("show_button");
    click("ready_button");   // while the solution is shown it asks nothing
    EXPECT_EQ(responder.count(), 4u);
    click("show_ready_button");
    EXPECT_EQ(std::tuple(form->solutions_shown, form->solutions_removed, form->count(), form->correct()),
              std::tuple(1, 1, 5, 4));
    EXPECT_EQ(form->get_score(false, 0), 80);
    EXPECT_EQ(form->get_score(true, 1), 0);   // the last answer was the shown solution
    EXPECT_EQ(form->installed.size(), 6u);
    for (int i = 0; i < 6; ++i)
        click("ready_button");
    EXPECT_EQ(form->status_lines(0), (std::array<std::string, 3>{"Exercise mode", "Level 1", "Object 12 (10 correct)"}));
    EXPECT_EQ(form->status_lines(1)[2], "Line three");
    EXPECT_EQ(answer_and_close({}, platform::IDNO), "Objects: 11     Correct: 10      \nGood.\nTest now?");
    EXPECT_FALSE(form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed")->isActive());
}

namespace {

// An exercise answered with the verdicts (0 wrong, 1 incomplete, 2 right),
// the box on closing and the exercise opened after it on the answer.
struct session {
    int exercise, level;
    bool test_mode;
    std::vector<int> verdicts;
    int answer;
    const char* closing_text;
    std::vector<int> opened;
};

const int yes = platform::IDYES;
const session sessions[] = {
    {8, 1, false, {2}, yes, "Objects: 1     Correct: 1      \nPerfect.\nTest now?", {8}},
    {8, 2, true, {0, 1, 2, 2, 2, 2, 2, 2}, yes, "Objects: 8     Correct: 6      \nGood.\nNext exercise?", {9}},
    {9, 1, true, {2}, platform::IDOK, "Objects: 1     Correct: 1      \nPerfect.\nAll done.", {}},
    {9, 1, true, {0}, yes, "Objects: 1     Correct: 0      \nPractise again?", {9}},
    {8, 1, false, {0}, yes, "Wrong.", {}},   // nothing counted, nothing to tell
};

} // namespace

// A passed test is stored; a Yes opens the next exercise once the window has
// gone and the main window is free again.
TEST_F(PracticeFormTest, TheScoreOnClosingOffersTheNextStepAndAPassedTestIsStored)
{
    log_in("", true);
    select_objects(8, 2, {1, 4});
    select_objects(9, 1, {1, 3});
    open(8, 1, false);
    click("ready_button");
    responder.answer_next(platform::IDCANCEL);
    EXPECT_FALSE(form->close());   // Cancel keeps the window open
    for (const session& s : sessions) {
        main_window.opened_exercises.clear();
        open(s.exercise, s.level, s.test_mode);
        EXPECT_EQ(answer_and_close(s.verdicts, s.answer), s.closing_text);
        EXPECT_EQ(form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed")->isActive(),
                  !s.opened.empty());
        if (s.opened.empty())
            continue;
        main_window.enabled = false;
        EXPECT_TRUE(opened_next().empty());   // the main window is still busy
        main_window.enabled = true;
        EXPECT_EQ(opened_next(), s.opened) << s.closing_text;
        EXPECT_EQ(main_window.test_modes.back(), !s.test_mode);   // a Yes switches the mode
    }
    const auto chains = student_data_files->read_result_chains(student_data_files->results_file_name("Anna"), 9);
    ASSERT_EQ(chains.exercises[7].size(), 1u);
    const results_format::result& stored = chains.exercises[7][0];
    EXPECT_EQ(std::tuple(stored.level, stored.objects, stored.correct), std::tuple(2, 8, 6));
}

TEST_F(PracticeFormTest, UnderGuidanceOKStaysHiddenUntilExitOKHoldsAndExitEndsTheExercise)
{
    log_in("EX 8 /EXIT_OK=(COUNT>=2) /EXIT=(COUNT>=3);", false);
    guidance->fetch_current_statement();
    open(8, 1, false);
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    const int beeps = platform::beep_count();
    EXPECT_FALSE(form->close());
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    click("ready_button");
    EXPECT_TRUE(button("OK_button")->isHidden());
    click("ready_button");
    EXPECT_FALSE(button("OK_button")->isHidden());
    click("ready_button");
    EXPECT_FALSE(form->isVisible());   // EXIT ends the exercise
    EXPECT_EQ(responder.last().text, "Objects: 3     Correct: 3      \nPerfect.");
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{5});   // the guidance's next statement
}

TEST_F(PracticeFormTest, GuidanceMenuItemsCloseTheWindowForTheirDriverAction)
{
    log_in("EX 8;", false);
    guidance->fetch_current_statement();
    const std::pair<const char*, int> items[] = {
        {"switch_guidance_on_off_menu_item", 3}, {"exit_program_menu_item", 2}, {"start_guidance_again_menu_item", 4}};
    for (const auto& [name, tag] : items) {
        main_window.timer_tags.clear();
        open(8, 1, false);
        if (tag == 2)
            responder.answer_next(platform::IDYES);   // asked only on leaving the program
        form->findChild<QAction*>(name)->trigger();
        EXPECT_FALSE(form->isVisible()) << name;
        EXPECT_EQ(main_window.timer_tags, std::vector<int>{tag}) << name;
    }
    EXPECT_EQ(responder.last().text, "Stop?\nReally?");
    guidance->stop();
    open(8, 1, false);
    EXPECT_FALSE(form->menuBar()->isVisible());
}

// An empty selection is reported and allows every object.
TEST_F(PracticeFormTest, AnEmptySelectionAllowsEveryObjectAndPreviousAndNextAppearOnlyWhereThereIsAnotherExercise)
{
    select_objects(1, 1, {200, 250});   // beyond the catalogue: none
    open(1, 1, false);
    EXPECT_EQ(responder.last().text, "There are no objects for this exercise at this level!");
    EXPECT_EQ(form->objects().allowed().count(), 10u);
    select_objects(1, 1, {3});
    open(1, 1, false);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden());
    click("next_exercise_button");
    EXPECT_EQ(opened_next(), std::vector<int>{2});
    select_objects(9, 1, {3});
    open(9, 1, false);
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    click("ready_button");
    click("previous_exercise_button");
    EXPECT_EQ(responder.last().text, "Objects: 1     Correct: 1      \nPerfect.");   // a switch asks nothing
    EXPECT_EQ(opened_next(), (std::vector<int>{2, 8}));
    open(9, 1, true);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden());
}

TEST_F(PracticeFormTest, ThePracticeWindowItselfJudgesNothing)
{
    TPracticeForm plain;
    plain.init_before_show(8, 1, false);
    plain.install_first_object();
    EXPECT_TRUE(plain.construction_OK() && !plain.construction_incomplete());
    plain.show_wanted_parts();
    ASSERT_EQ(responder.count(), 4u);
    EXPECT_EQ(responder.last().text, "\"TPracticeWindow.show_wanted_parts\" should never be called!");
}
