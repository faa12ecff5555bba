#include "tests/tutor/windows/practice_form_fixture.h"
#include "tutor/windows/practice_status_bar.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QTimer>

#include <array>

using namespace student_files;
using namespace tutor::engine;
using namespace tutor::windows;

namespace {

const unsigned question = platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION;

} // namespace

class PracticeFormFlowTest : public PracticeFormTest {
protected:
    QTimer& start_timer() { return *form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed"); }
    QAction& menu_item(const char* name) { return *form->findChild<QAction*>(name); }
    // Answers with the verdicts, then closes with the answer; the closing box's text.
    std::string answer_and_close(std::initializer_list<int> verdicts, int closing_answer)
    {
        for (int v : verdicts) {
            form->verdict = v;
            click("ready_button");
        }
        responder.answer_next(closing_answer);
        EXPECT_TRUE(form->close());
        return responder.last().text;
    }
    // The exercise the main window opens once the window has gone.
    std::vector<int> opened_next()
    {
        form->timer_start_exercise_when_this_one_closedTimer();
        return main_window.opened_exercises;
    }
};

TEST_F(PracticeFormFlowTest, CreationTakesItsCaptionsAndButtonWidths)
{
    main_window.switch_caption = "Switch on";
    form = std::make_unique<scripted_practice_form>(&main_window);
    const int width = button("ready_button")->width();
    EXPECT_GE(width, QFontMetrics(button("ready_button")->font()).horizontalAdvance("Next objectabc"));
    for (const char* name : {"show_button", "previous_exercise_button", "next_exercise_button", "OK_button"})
        EXPECT_EQ(button(name)->width(), width) << name << ": all as wide as the widest";
    EXPECT_EQ(menu_item("switch_guidance_on_off_menu_item").text(), "Switch on") << "the main window's caption";
    EXPECT_THROW(form->get_exercise_title(10), std::out_of_range);
    EXPECT_EQ(form->get_exercise_instruction(8, 3), "Line three");
}

TEST_F(PracticeFormFlowTest, FourCorrectAndOneShownSolutionScoreEightyInExerciseMode)
{
    open(8, 1, false);
    EXPECT_EQ(form->windowTitle(), "Three views");
    ASSERT_EQ(form->installed.size(), 1u);
    EXPECT_FALSE(form->installed[0].second) << "the first object is installed as the first";
    for (int i = 0; i < 4; ++i)
        click("ready_button");
    ASSERT_EQ(responder.count(), 4u);
    EXPECT_EQ(responder.last().text, "Right.");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_OK));

    click("show_button");
    EXPECT_EQ(form->solutions_shown, 1);
    EXPECT_TRUE(button("show_button")->isHidden());
    click("ready_button");
    EXPECT_EQ(responder.count(), 4u) << "ready while the solution is shown asks nothing";
    EXPECT_TRUE(button("show_ready_button")->isDefault());
    click("show_ready_button");
    EXPECT_EQ(form->solutions_removed, 1);
    EXPECT_FALSE(form->showing_solution());
    EXPECT_EQ(form->count(), 5);
    EXPECT_EQ(form->correct(), 4);
    EXPECT_EQ(form->get_score(false, 0), 80);
    EXPECT_EQ(form->get_score(true, 1), 0) << "the last answer was the shown solution";
    ASSERT_EQ(form->installed.size(), 6u);
    EXPECT_TRUE(form->installed.back().second);
    EXPECT_EQ(form->status_lines(0), (std::array<std::string, 3>{"Exercise mode", "Level 1", "Object 6 (4 correct)"}));
    EXPECT_EQ(form->status_lines(1)[2], "Line three");

    auto* status_bar = form->findChild<practice_status_bar*>("StatusBar");
    ASSERT_TRUE(status_bar);
    const QImage shown = status_bar->grab().toImage();
    const auto dark_pixels = [&](const QRect& panel) {
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = panel.left() + 2; x < panel.right() - 2 && x < shown.width(); ++x)
                dark += qGray(shown.pixel(x, y)) < 100;
        return dark;
    };
    EXPECT_GT(dark_pixels(status_bar->panel_rect(0)), 20) << "the counts are written in the left panel";
    EXPECT_GT(dark_pixels(status_bar->panel_rect(1)), 20) << "the instructions in the right one";
    for (int i = 0; i < 6; ++i)
        click("ready_button");
    const QString count_line = " " + QString::fromStdString(form->status_lines(0)[2]);
    ASSERT_EQ(count_line, " Object 12 (10 correct)");
    EXPECT_GT(status_bar->panel_rect(0).width(), QFontMetrics(status_bar->font()).horizontalAdvance(count_line))
        << "the left panel widens for a two-digit count";
    EXPECT_EQ(status_bar->panel_rect(1).left(), status_bar->panel_rect(0).right() + 1);

    EXPECT_EQ(answer_and_close({}, platform::IDNO), "Objects: 11     Correct: 10      \nGood.\nTest now?");
    EXPECT_EQ(responder.last().flags, question);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main_window.test_modes.empty());
    EXPECT_FALSE(start_timer().isActive());
}

TEST_F(PracticeFormFlowTest, AYesAfterTheExerciseStartsItsTestOnceTheWindowHasGone)
{
    open(8, 1, false);
    click("ready_button");
    responder.answer_next(platform::IDCANCEL);
    EXPECT_FALSE(form->close()) << "Cancel keeps the window open";
    EXPECT_TRUE(form->isVisible());
    answer_and_close({}, platform::IDYES);
    EXPECT_EQ(main_window.test_modes, std::vector<bool>{true}) << "the test of the same exercise";
    EXPECT_TRUE(start_timer().isActive());
    main_window.enabled = false;
    EXPECT_TRUE(opened_next().empty()) << "the main window is still busy";
    main_window.enabled = true;
    EXPECT_EQ(opened_next(), std::vector<int>{8});
    EXPECT_FALSE(start_timer().isActive());
}

TEST_F(PracticeFormFlowTest, ATestPassedWithSeventyFiveOffersTheNextExerciseAndIsStored)
{
    log_in("", true);
    ASSERT_FALSE(guidance->is_on()) << "an empty guidance file cannot be switched on";
    select_objects(8, 2, {1, 4});
    open(8, 2, true);
    form->verdict = 0;
    click("ready_button");
    EXPECT_EQ(responder.last().text, "Wrong.");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_ICONERROR));
    form->verdict = 1;
    click("ready_button");
    EXPECT_EQ(responder.last().text, "Incomplete.");
    EXPECT_EQ(form->status_lines(0)[0], "Test mode");
    EXPECT_EQ(answer_and_close({2, 2, 2, 2, 2, 2}, platform::IDYES),
              "Objects: 8     Correct: 6      \nGood.\nNext exercise?");
    EXPECT_EQ(responder.last().flags, question);
    EXPECT_EQ(main_window.test_modes, std::vector<bool>{false}) << "the next exercise, in exercise mode";
    EXPECT_EQ(opened_next(), std::vector<int>{9});

    const result_chains chains = student_data_files->read_result_chains(student_data_files->results_file_name("Pupil"), 9);
    ASSERT_TRUE(chains.status);
    ASSERT_EQ(chains.exercises[7].size(), 1u);
    const results_format::result& stored = chains.exercises[7][0];
    EXPECT_EQ(stored.level, 2);
    EXPECT_EQ(stored.objects, 8);
    EXPECT_EQ(stored.correct, 6);
    EXPECT_LE(stored.start_time, stored.end_time);
}

TEST_F(PracticeFormFlowTest, TheLastExercisesPassedTestOffersOnlyOKAndALowScoreOffersPractice)
{
    select_objects(9, 1, {1, 3});
    open(9, 1, true);
    EXPECT_EQ(answer_and_close({2}, platform::IDOK), "Objects: 1     Correct: 1      \nPerfect.\nAll done.");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_OKCANCEL | platform::MB_ICONQUESTION));
    EXPECT_FALSE(start_timer().isActive());
    open(9, 1, true);
    EXPECT_EQ(answer_and_close({0}, platform::IDYES), "Objects: 1     Correct: 0      \nPractise again?");
    EXPECT_EQ(main_window.test_modes, std::vector<bool>{false});
    EXPECT_EQ(opened_next(), std::vector<int>{9}) << "the same exercise, practised";
}

TEST_F(PracticeFormFlowTest, AWrongConstructionInExerciseModeKeepsTheObjectAndCountsNothing)
{
    open(8, 1, false);
    EXPECT_EQ(answer_and_close({0}, platform::IDYES), "Wrong.") << "nothing counted, nothing to tell at the close";
    EXPECT_EQ(form->count(), 0);
    EXPECT_EQ(form->installed.size(), 1u);
}

TEST_F(PracticeFormFlowTest, AnEmptySelectionIsReportedAndAllowsEveryObject)
{
    for (const std::initializer_list<int> numbers : {std::initializer_list<int>{}, {200, 250}}) {
        responder.clear();
        select_objects(1, 1, numbers);
        open(1, 1, false);
        ASSERT_EQ(responder.count(), 1u) << "numbers beyond the catalogue count as none";
        EXPECT_EQ(responder.boxes()[0].text, "There are no objects for this exercise at this level!");
        EXPECT_EQ(responder.boxes()[0].flags, static_cast<unsigned>(platform::MB_ICONERROR));
        EXPECT_EQ(form->objects().allowed().count(), 10u) << "objects 0 to 9";
        EXPECT_LE(form->installed.at(0).first, 9);
    }
}

TEST_F(PracticeFormFlowTest, UnderGuidanceOKStaysHiddenUntilExitOKHoldsAndExitEndsTheExercise)
{
    log_in("EX 8 /EXIT_OK=(COUNT>=2) /EXIT=(COUNT>=3);", false);
    ASSERT_TRUE(guidance->is_on());
    guidance->fetch_current_statement();
    open(8, 1, false);
    EXPECT_TRUE(form->menuBar()->isVisible());
    EXPECT_TRUE(menu_item("guidance_menu_item").isEnabled());
    for (const char* hidden : {"OK_button", "previous_exercise_button", "next_exercise_button"})
        EXPECT_TRUE(button(hidden)->isHidden()) << hidden;
    const int beeps = platform::beep_count();
    EXPECT_FALSE(form->close());
    EXPECT_EQ(platform::beep_count(), beeps + 1);

    click("ready_button");
    EXPECT_TRUE(button("OK_button")->isHidden());
    click("ready_button");
    EXPECT_FALSE(button("OK_button")->isHidden()) << "EXIT_OK holds after two answers";
    EXPECT_TRUE(main_window.timer_tags.empty());
    responder.clear();
    click("ready_button");
    EXPECT_FALSE(form->isVisible()) << "EXIT ends the exercise";
    ASSERT_EQ(responder.count(), 2u);
    EXPECT_EQ(responder.last().text, "Objects: 3     Correct: 3      \nPerfect.") << "no question under guidance";
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{5}) << "the guidance's next statement";
    EXPECT_EQ(guidance->counters().count(), 3);
}

TEST_F(PracticeFormFlowTest, GuidanceMenuItemsCloseTheWindowForTheirDriverAction)
{
    log_in("EX 8;", false);
    guidance->fetch_current_statement();
    const std::pair<const char*, int> items[] = {
        {"switch_guidance_on_off_menu_item", 3}, {"exit_program_menu_item", 2}, {"start_guidance_again_menu_item", 4}};
    for (const auto& [name, tag] : items) {
        main_window.timer_tags.clear();
        open(8, 1, false);
        if (tag == 2) {
            responder.answer_next(platform::IDNO);
            menu_item(name).trigger();
            EXPECT_EQ(responder.last().text, "Stop?\nReally?");
            EXPECT_TRUE(form->isVisible());
            responder.answer_next(platform::IDYES);
        }
        menu_item(name).trigger();
        EXPECT_FALSE(form->isVisible()) << name;
        EXPECT_EQ(main_window.timer_tags, std::vector<int>{tag}) << name << ": no next-statement tag";
    }
    guidance->stop();
    open(8, 1, false);
    EXPECT_FALSE(form->menuBar()->isVisible()) << "no menu while guidance is off";
}

TEST_F(PracticeFormFlowTest, PreviousAndNextAppearOnlyWhereThereIsAnotherExercise)
{
    select_objects(1, 1, {3});
    open(1, 1, false);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden());
    click("next_exercise_button");
    EXPECT_FALSE(form->isVisible()) << "nothing answered: it closes without a word";
    EXPECT_EQ(opened_next(), std::vector<int>{2});

    select_objects(9, 1, {3});
    open(9, 1, false);
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    click("ready_button");
    click("previous_exercise_button");
    EXPECT_EQ(responder.last().text, "Objects: 1     Correct: 1      \nPerfect.") << "a switch asks nothing";
    EXPECT_EQ(opened_next(), (std::vector<int>{2, 8}));
    EXPECT_TRUE(main_window.test_modes.empty());

    open(9, 1, true);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden()) << "a test with end-of-exercise messages";
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    EXPECT_EQ(button("ready_button")->y(), button("OK_button")->y() - 2 * (button("OK_button")->height() * 5 / 4))
        << "where previous stood";
}

TEST_F(PracticeFormFlowTest, ThePracticeWindowItselfJudgesNothing)
{
    TPracticeForm plain;
    plain.init_before_show(8, 1, false);
    plain.install_first_object();
    EXPECT_TRUE(plain.construction_OK());
    EXPECT_FALSE(plain.construction_incomplete());
    plain.show_wanted_parts();
    plain.remove_wanted_parts();
    ASSERT_EQ(responder.count(), 4u);
    const char* const calls[] = {"install_next_object", "construction_OK", "construction_incomplete",
                                 "show_wanted_parts"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(responder.boxes()[i].text, "\"TPracticeWindow." + std::string(calls[i]) + "\" should never be called!");
        EXPECT_EQ(responder.boxes()[i].flags, static_cast<unsigned>(platform::MB_ICONERROR));
    }
}

