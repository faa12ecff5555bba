#include "foundation/widgets/form_helpers.h"
#include "tests/tutor/windows/practice_form_fixture.h"
#include "tutor/windows/practice_status_bar.h"

#include <QAction>
#include <QImage>
#include <QMenuBar>
#include <QTimer>

namespace {

const unsigned question = platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION;

} // namespace

TEST_F(PracticeFormTest, CreationTakesItsCaptionsFromTheTextsAndTheMainWindow)
{
    main_window.switch_caption = "Switch on";
    form = std::make_unique<scripted_practice_form>(&main_window);
    const char* const names[6] = {"ready_button", "show_button", "previous_exercise_button", "next_exercise_button",
                                  "OK_button", "show_ready_button"};
    const char* const captions[6] = {"Ready", "Show", "Previous", "Next", "OK", "Next object"};
    const int width = button("ready_button")->width();
    EXPECT_GE(width, QFontMetrics(button("ready_button")->font()).horizontalAdvance("Next objectabc"));
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(button(names[i])) << names[i];
        EXPECT_EQ(button(names[i])->text().toStdString(), captions[i]);
        EXPECT_EQ(button(names[i])->width(), width) << "all as wide as the widest";
    }
    EXPECT_TRUE(button("show_ready_button")->isHidden());
    EXPECT_TRUE(button("ready_button")->isDefault());
    EXPECT_EQ(form->findChild<QAction*>("guidance_menu_item")->text(), "Guidance");
    EXPECT_EQ(form->findChild<QAction*>("guidance_menu_item")->property("tag").toInt(), guidance_menu_tag);
    EXPECT_EQ(form->findChild<QAction*>("switch_guidance_on_off_menu_item")->text(), "Switch on");
    EXPECT_EQ(form->findChild<QAction*>("start_guidance_again_menu_item")->text(), "Start again");
    EXPECT_EQ(form->findChild<QAction*>("exit_program_menu_item")->text(), "Exit");
    const auto* timer = form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 50);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(form->get_exercise_title(8), "Three views");
    EXPECT_THROW(form->get_exercise_title(10), std::out_of_range);
}

TEST_F(PracticeFormTest, FourCorrectAndOneShownSolutionScoreEightyInExerciseMode)
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
    EXPECT_TRUE(form->showing_solution());
    EXPECT_TRUE(button("show_button")->isHidden());
    EXPECT_FALSE(button("show_ready_button")->isHidden());
    click("ready_button");
    EXPECT_EQ(responder.count(), 4u) << "ready while the solution is shown asks nothing";
    EXPECT_TRUE(button("show_ready_button")->isDefault());
    click("show_ready_button");
    EXPECT_EQ(form->solutions_removed, 1);
    EXPECT_FALSE(form->showing_solution());
    EXPECT_FALSE(button("show_button")->isHidden());
    EXPECT_EQ(form->count(), 5);
    EXPECT_EQ(form->correct(), 4);
    EXPECT_EQ(form->get_score(false, 0), 80);
    EXPECT_EQ(form->get_score(true, 1), 0) << "the last answer was the shown solution";
    ASSERT_EQ(form->installed.size(), 6u);
    EXPECT_TRUE(form->installed.back().second);
    const auto left = form->status_lines(0);
    EXPECT_EQ(left[0], "Exercise mode");
    EXPECT_EQ(left[1], "Level 1");
    EXPECT_EQ(left[2], "Object 6 (4 correct)");
    EXPECT_EQ(form->status_lines(1)[2], "Line three");
    QWidget* status_bar = form->findChild<QWidget*>("StatusBar");
    ASSERT_TRUE(status_bar);
    QFont standard = status_bar->font();
    EXPECT_EQ(standard.family(), "MS Sans Serif");
    EXPECT_EQ(status_bar->height(), QFontMetrics(standard).height() * 13 / 4);
    const QImage shown = status_bar->grab().toImage();
    const auto dark_pixels = [&](int from, int to) {
        int dark = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = from; x < to && x < shown.width(); ++x)
                dark += qGray(shown.pixel(x, y)) < 100;
        return dark;
    };
    const int left_width = QFontMetrics(standard).horizontalAdvance("abcdefghijklmnopqr");
    EXPECT_GT(dark_pixels(2, left_width - 2), 20) << "the counts are written in the left panel";
    EXPECT_GT(dark_pixels(left_width + 2, shown.width()), 20) << "the instructions in the right one";

    responder.answer_next(platform::IDNO);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(responder.last().text, "Objects: 5     Correct: 4      \nGood.\nTest now?");
    EXPECT_EQ(responder.last().flags, question);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(main_window.test_modes.empty());
    EXPECT_FALSE(form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed")->isActive());
}

TEST_F(PracticeFormTest, AYesAfterTheExerciseStartsItsTestOnceTheWindowHasGone)
{
    open(8, 1, false);
    click("ready_button");
    responder.answer_next(platform::IDCANCEL);
    EXPECT_FALSE(form->close()) << "Cancel keeps the window open";
    EXPECT_TRUE(form->isVisible());

    responder.answer_next(platform::IDYES);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(main_window.test_modes.size(), 1u);
    EXPECT_TRUE(main_window.test_modes[0]) << "the test of the same exercise";
    auto* timer = form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed");
    EXPECT_TRUE(timer->isActive());
    main_window.enabled = false;
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_TRUE(main_window.opened_exercises.empty()) << "the main window is still busy";
    main_window.enabled = true;
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_EQ(main_window.opened_exercises, std::vector<int>{8});
    EXPECT_FALSE(timer->isActive());
}

TEST_F(PracticeFormTest, ATestPassedWithSeventyFiveOffersTheNextExerciseAndIsStored)
{
    log_in("", true);
    ASSERT_FALSE(guidance->is_on()) << "an empty guidance file cannot be switched on";
    select_objects(8, 2, {1, 4});
    open(8, 2, true);
    click("ready_button");
    click("ready_button");
    form->verdict = 0;
    click("ready_button");
    EXPECT_EQ(responder.last().text, "Wrong.");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_ICONERROR));
    form->verdict = 1;
    click("ready_button");
    EXPECT_EQ(responder.last().text, "Incomplete.");
    form->verdict = 2;
    click("ready_button");
    click("ready_button");
    EXPECT_EQ(form->count(), 6);
    EXPECT_EQ(form->correct(), 4);
    EXPECT_EQ(form->get_score(false, 0), 66);
    click("ready_button");
    click("ready_button");
    EXPECT_EQ(form->get_score(false, 0), 75);
    EXPECT_EQ(form->status_lines(0)[0], "Test mode");

    responder.answer_next(platform::IDYES);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(responder.last().text, "Objects: 8     Correct: 6      \nGood.\nNext exercise?");
    EXPECT_EQ(responder.last().flags, question);
    EXPECT_EQ(main_window.test_modes, std::vector<bool>{false}) << "the next exercise, in exercise mode";
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_EQ(main_window.opened_exercises, std::vector<int>{9});

    const result_chains chains = student_data_files->read_result_chains(student_data_files->results_file_name("Pupil"), 9);
    ASSERT_TRUE(chains.status);
    ASSERT_EQ(chains.exercises[7].size(), 1u);
    const results_format::result& stored = chains.exercises[7][0];
    EXPECT_EQ(stored.level, 2);
    EXPECT_EQ(stored.objects, 8);
    EXPECT_EQ(stored.correct, 6);
    EXPECT_LE(stored.start_time, stored.end_time);
}

TEST_F(PracticeFormTest, TheLastExercisesPassedTestOffersOnlyOKAndALowScoreOffersPractice)
{
    select_objects(9, 1, {1, 3});
    open(9, 1, true);
    click("ready_button");
    responder.answer_next(platform::IDOK);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(responder.last().text, "Objects: 1     Correct: 1      \nPerfect.\nAll done.");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_OKCANCEL | platform::MB_ICONQUESTION));
    EXPECT_FALSE(form->findChild<QTimer*>("timer_start_exercise_when_this_one_closed")->isActive());
    EXPECT_TRUE(main_window.test_modes.empty());

    open(9, 1, true);
    form->verdict = 0;
    click("ready_button");
    responder.answer_next(platform::IDYES);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(responder.last().text, "Objects: 1     Correct: 0      \nPractise again?");
    EXPECT_EQ(main_window.test_modes, std::vector<bool>{false});
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_EQ(main_window.opened_exercises, std::vector<int>{9}) << "the same exercise, practised";
}

TEST_F(PracticeFormTest, AWrongConstructionInExerciseModeKeepsTheObjectAndCountsNothing)
{
    open(8, 1, false);
    form->verdict = 0;
    click("ready_button");
    EXPECT_EQ(responder.last().text, "Wrong.");
    EXPECT_EQ(form->count(), 0);
    EXPECT_EQ(form->installed.size(), 1u);
    responder.clear();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(responder.count(), 0u) << "nothing answered, nothing to tell";
}

TEST_F(PracticeFormTest, OneObjectComesEveryTimeAndTwoAlternate)
{
    select_objects(2, 3, {4});
    open(2, 3, false);
    for (int i = 0; i < 3; ++i)
        click("ready_button");
    for (const auto& [object, later] : form->installed)
        EXPECT_EQ(object, 4);

    select_objects(2, 3, {2, 6});
    open(2, 3, false);
    for (int i = 0; i < 5; ++i)
        click("ready_button");
    ASSERT_EQ(form->installed.size(), 6u);
    for (std::size_t i = 1; i < form->installed.size(); ++i)
        EXPECT_NE(form->installed[i].first, form->installed[i - 1].first) << i;
}

TEST_F(PracticeFormTest, AnEmptySelectionIsReportedAndAllowsEveryObject)
{
    select_objects(1, 1, {});
    open(1, 1, false);
    ASSERT_GE(responder.count(), 1u);
    EXPECT_EQ(responder.boxes()[0].text, "There are no objects for this exercise at this level!");
    EXPECT_EQ(responder.boxes()[0].flags, static_cast<unsigned>(platform::MB_ICONERROR));
    EXPECT_EQ(form->objects().allowed().count(), 10u) << "objects 0 to 9";

    responder.clear();
    select_objects(1, 1, {200, 250});
    open(1, 1, false);
    EXPECT_EQ(responder.count(), 1u) << "numbers beyond the catalogue count as none";
    EXPECT_EQ(form->installed.size(), 1u);
    EXPECT_LE(form->installed[0].first, 9);
}

TEST_F(PracticeFormTest, UnderGuidanceOKStaysHiddenUntilExitOKHoldsAndExitEndsTheExercise)
{
    log_in("EX 8 /EXIT_OK=(COUNT>=2) /EXIT=(COUNT>=3);", false);
    ASSERT_TRUE(guidance->is_on());
    guidance->fetch_current_statement();
    open(8, 1, false);
    EXPECT_TRUE(form->menuBar()->isVisible());
    EXPECT_TRUE(form->findChild<QAction*>("guidance_menu_item")->isEnabled());
    EXPECT_TRUE(button("OK_button")->isHidden());
    EXPECT_TRUE(button("previous_exercise_button")->isHidden()) << "no switching under guidance";
    EXPECT_TRUE(button("next_exercise_button")->isHidden());

    const int beeps = platform::beep_count();
    EXPECT_FALSE(form->close());
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    EXPECT_TRUE(form->isVisible());

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
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_OK));
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{5}) << "the guidance's next statement";
    EXPECT_EQ(guidance->counters().count(), 3);
}

TEST_F(PracticeFormTest, GuidanceMenuItemsCloseTheWindowForTheirDriverAction)
{
    log_in("EX 8;", false);
    guidance->fetch_current_statement();
    open(8, 1, false);
    form->findChild<QAction*>("switch_guidance_on_off_menu_item")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{3}) << "no next-statement tag after a guidance command";

    main_window.timer_tags.clear();
    open(8, 1, false);
    responder.answer_next(platform::IDNO);
    form->findChild<QAction*>("exit_program_menu_item")->trigger();
    EXPECT_EQ(responder.last().text, "Stop?\nReally?");
    EXPECT_TRUE(form->isVisible());
    responder.answer_next(platform::IDYES);
    form->findChild<QAction*>("exit_program_menu_item")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{2});

    main_window.timer_tags.clear();
    open(8, 1, false);
    form->findChild<QAction*>("start_guidance_again_menu_item")->trigger();
    EXPECT_EQ(main_window.timer_tags, std::vector<int>{4});

    guidance->stop();
    open(8, 1, false);
    EXPECT_FALSE(form->menuBar()->isVisible()) << "no menu while guidance is off";
}

TEST_F(PracticeFormTest, PreviousAndNextAppearOnlyWhereThereIsAnotherExercise)
{
    select_objects(1, 1, {3});
    open(1, 1, false);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden());
    EXPECT_FALSE(button("next_exercise_button")->isHidden());
    const int s = button("OK_button")->height() * 5 / 4;
    QWidget* client = form->centralWidget();
    EXPECT_EQ(button("OK_button")->y(), client->height() - s);
    EXPECT_EQ(button("ready_button")->y(), button("OK_button")->y() - 4 * s);
    EXPECT_EQ(button("OK_button")->x(), client->width() - button("OK_button")->width() * 21 / 20);
    const int w = QFontMetrics(form->font()).horizontalAdvance("ab");
    EXPECT_EQ(form->width(), 800 - 2 * w);
    EXPECT_EQ(form->height(), 600 - 2 * w);
    EXPECT_EQ(form->x(), 100 + w);

    click("next_exercise_button");
    EXPECT_FALSE(form->isVisible()) << "nothing answered: it closes without a word";
    EXPECT_TRUE(main_window.test_modes.empty());
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_EQ(main_window.opened_exercises, std::vector<int>{2});

    select_objects(9, 1, {3});
    open(9, 1, false);
    EXPECT_FALSE(button("previous_exercise_button")->isHidden());
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    click("ready_button");
    click("previous_exercise_button");
    EXPECT_EQ(responder.last().text, "Objects: 1     Correct: 1      \nPerfect.") << "a switch asks nothing";
    form->timer_start_exercise_when_this_one_closedTimer();
    EXPECT_EQ(main_window.opened_exercises, (std::vector<int>{2, 8}));

    open(9, 1, true);
    EXPECT_TRUE(button("previous_exercise_button")->isHidden()) << "a test with end-of-exercise messages";
    EXPECT_TRUE(button("next_exercise_button")->isHidden());
    EXPECT_EQ(button("ready_button")->y(), button("OK_button")->y() - 2 * s) << "where previous stood";
    EXPECT_EQ(button("show_button")->y(), button("OK_button")->y() - s) << "where next stood";
    EXPECT_EQ(button("show_ready_button")->y(), button("show_button")->y());
}

TEST_F(PracticeFormTest, ThePracticeWindowItselfJudgesNothing)
{
    TPracticeForm plain;
    plain.init_before_show(8, 1, false);
    plain.install_first_object();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "\"TPracticeWindow.install_next_object\" should never be called!");
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_ICONERROR));
    EXPECT_TRUE(plain.construction_OK());
    EXPECT_EQ(responder.last().text, "\"TPracticeWindow.construction_OK\" should never be called!");
    EXPECT_FALSE(plain.construction_incomplete());
    EXPECT_EQ(responder.last().text, "\"TPracticeWindow.construction_incomplete\" should never be called!");
    plain.show_wanted_parts();
    EXPECT_EQ(responder.last().text, "\"TPracticeWindow.show_wanted_parts\" should never be called!");
    plain.remove_wanted_parts();
    EXPECT_EQ(responder.count(), 4u);
}

TEST_F(PracticeFormTest, ShowModalReturnsOnceTheWindowHasClosed)
{
    form = std::make_unique<scripted_practice_form>(&main_window);
    form->set_random_source([](int) { return 0; });
    form->init_before_show(8, 1, false);
    form->install_first_object();
    QTimer::singleShot(0, form.get(), [this] { click("OK_button"); });
    form->ShowModal();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowModality(), Qt::ApplicationModal);
}

TEST_F(PracticeFormTest, TheLeftStatusPanelWidensForATwoDigitCountAndTheRightOneMovesOn)
{
    open(8, 1, false);
    auto* status_bar = form->findChild<practice_status_bar*>("StatusBar");
    ASSERT_TRUE(status_bar);
    for (int i = 0; i < 11; ++i)
        click("ready_button");
    const std::string count_line = " " + form->status_lines(0)[2];
    ASSERT_EQ(count_line, " Object 12 (11 correct)");
    const int text_width = QFontMetrics(status_bar->font()).horizontalAdvance(QString::fromStdString(count_line));
    EXPECT_GT(status_bar->panel_rect(0).width(), text_width);
    EXPECT_EQ(status_bar->panel_rect(1).left(), status_bar->panel_rect(0).right() + 1);
}
