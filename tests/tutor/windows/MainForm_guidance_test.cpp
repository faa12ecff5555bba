#include "platform/widgets/canvas_widget.h"
#include "tests/tutor/windows/main_form_fixture.h"
#include "tutor/windows/ExerciseForm.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/windows/pupil_results_window.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/engine/pupil_login.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;
using namespace tutor::windows;

TEST_F(MainFormTest, ShowingStartsTheLoginOnceNoModalWindowIsOpen)
{
    make_form();
    form->show();
    EXPECT_TRUE(timer().isActive());
    EXPECT_EQ(form->timer_tag(), TMainForm::login_timer_tag);
    QDialog blocker;
    blocker.setWindowModality(Qt::ApplicationModal);
    blocker.show();
    EXPECT_FALSE(form->is_enabled());
    form->wait_until_ready_timerTimer();
    EXPECT_TRUE(timer().isActive()) << "it waits while a modal window is open";
    EXPECT_TRUE(modal_windows.empty());
    blocker.close();
    EXPECT_TRUE(form->is_enabled());

    when_modal([](QWidget& login) { click(login, "cancel_button"); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer().isActive(); }, 2000));
    EXPECT_EQ(modal_windows, std::vector<std::string>{"PupilLoginDialog"});
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "") << "cancelled: nobody is logged in";
}

TEST_F(MainFormTest, TheLoginRefusesAWrongPasswordAndRestoresTheGuidanceOnTheRightOne)
{
    make_guidance("TH 1;\nTE 1;", true);
    make_form();
    bool stayed_open = false;
    when_modal([&](QWidget& login) {
        log_in_as(login, "Anna", "rose");
        stayed_open = login.isVisible();
        EXPECT_EQ(child<QLineEdit>(login, "password_edit")->text(), "") << "the wrong password is cleared";
        log_in_as(login, "Anna", "tulip");
    });
    form->pupil_menu_itemClick();
    EXPECT_TRUE(stayed_open);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The name or the password is not right. Please try again.");
    EXPECT_EQ(responder.last().flags, platform::MB_OK | platform::MB_ICONERROR);
    EXPECT_EQ(guidance->pupil_name(), "Anna");
    EXPECT_TRUE(guidance->is_on()) << "the pupil's file has guidance on";
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "Anna");
    EXPECT_EQ(caption("switch_guidance_on_off_menu_item"), "Switch guidance off");
    EXPECT_TRUE(item("guidance_menu_item")->isEnabled());
    EXPECT_EQ(form->timer_tag(), tag_continue) << "the guidance carries on once the login has gone";
    EXPECT_TRUE(timer().isActive());

    when_modal([](QWidget& login) {
        EXPECT_EQ(child<QLineEdit>(login, "pupil_name_edit")->text(), "") << "each login starts empty";
        click(login, "cancel_button");
    });
    form->pupil_menu_itemClick();
    EXPECT_EQ(guidance->pupil_name(), "Anna");
}

TEST_F(MainFormTest, ALoginWithGuidanceOnCarriesOnWithAGuidanceFinishedBefore)
{
    guidance = std::make_unique<Tguidance_object>("TH 1;", "course.txt");
    // Neither switchable nor restartable, and past the last statement.
    ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", true, false, false, true));
    ASSERT_TRUE(student_data_files->store_guidance_state("Anna", true, 2, 0));
    make_form();
    show_form();
    when_modal([](QWidget& login) { log_in_as(login, "Anna", "tulip"); });
    form->pupil_menu_itemClick();
    EXPECT_TRUE(item("guidance_menu_item")->isEnabled());
    EXPECT_FALSE(item("switch_guidance_on_off_menu_item")->isEnabled());
    EXPECT_FALSE(item("start_guidance_again_menu_item")->isEnabled());
    ASSERT_EQ(form->timer_tag(), tag_continue);
    form->wait_until_ready_timerTimer();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "You have finished the guidance. The tutor will now close.");
    EXPECT_FALSE(form->isVisible());
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_TRUE(stored.guidance_is_on) << "the pupil stays under guidance";
}

TEST_F(MainFormTest, TheTimerAndTheGuidanceMenuRunTheGuidanceDriver)
{
    make_guidance("TH 2;\nTH 3;", false);
    make_form();
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    std::vector<std::string> titles;
    const auto read_chapter = [&](QWidget& theory) {
        titles.push_back(child<QLabel>(theory, "chapter_title_label")->text().toStdString());
        click(theory, "close_button");
    };
    when_modal(read_chapter);
    form->start_wait_until_ready_timer(tag_switch_on_off);
    form->wait_until_ready_timerTimer();
    EXPECT_TRUE(guidance->is_on());
    EXPECT_EQ(caption("switch_guidance_on_off_menu_item"), "Switch guidance off");
    EXPECT_EQ(titles, std::vector<std::string>{"Isometric projection"});
    EXPECT_EQ(form->timer_tag(), tag_next_statement) << "a closed chapter hands on to the next statement";

    // The real timer from here: the next chapter, then the end of the guidance.
    when_modal(read_chapter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return titles.size() == 2 && timer().isActive(); }, 2000));
    EXPECT_EQ(titles.back(), "Normal projection");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer().isActive(); }, 2000));
    EXPECT_FALSE(guidance->is_on()) << "finished and switchable: guidance goes off";
    EXPECT_EQ(caption("switch_guidance_on_off_menu_item"), "Switch guidance on");
    EXPECT_EQ(responder.last().text, "The guidance has come to its end.");

    // The menu items run it at once.
    when_modal(read_chapter);
    item("start_guidance_again_menu_item")->trigger();
    EXPECT_EQ(titles.size(), 3u);
    EXPECT_EQ(guidance->current_statement(), 1);
    timer().stop();
    item("switch_guidance_on_off_menu_item")->trigger();
    EXPECT_FALSE(guidance->is_on());
}

TEST_F(MainFormTest, ClosingAsksAndWritesTheViewSettingsBack)
{
    store_settings_between_sessions = true;
    make_guidance("TH 1;\nTH 2;\nTH 3;", true);
    make_form();
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    guidance->advance();
    show_form();
    for (const char* name : {"perspectivic_radio_button", "hidden_lines_checkbox", "cut_checkbox",
                             "european_method_radio_button", "normal_3_views_radio_button", "normal_colors_checkbox",
                             "projections_radio_group_item_0", "view_indications_checkbox"})
        control<QAbstractButton>(name)->click();
    EXPECT_TRUE(control<QCheckBox>("view_indications_checkbox")->isChecked()) << "a hidden projection's options stay";

    responder.answer_next(platform::IDNO);
    form->close();
    EXPECT_TRUE(form->isVisible()) << "No keeps the tutor open";
    EXPECT_EQ(responder.last().flags, static_cast<unsigned>(platform::MB_YESNO | platform::MB_ICONQUESTION));
    EXPECT_EQ(stored_setting("Initial Non-Technical View Settings"), "IHC");
    responder.answer_next(platform::IDYES);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(stored_setting("Initial Non-Technical View Settings"), "PCX");
    EXPECT_EQ(stored_setting("Initial Technical Views Settings"), "3N") << "normal hidden: no A or E";
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_EQ(stored.guidance_statement, 2) << "the guidance state is saved";
    EXPECT_TRUE(stored.guidance_is_on);
    store_settings_between_sessions = false;
}

TEST_F(MainFormTest, ClosedByTheGuidanceItAsksNothingAndTakesTheBackgroundScreenAlong)
{
    setting("Use Background Screen", "Yes");
    make_form();
    show_form();
    QWidget* background = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "BackGroundScreen" && window->isVisible())
            background = window;
    ASSERT_TRUE(background);
    control<QCheckBox>("cut_checkbox")->click();
    form->close_by_guidance();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(background->isVisible());
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_EQ(stored_setting("Initial Non-Technical View Settings"), "IHC") << "not storing settings: nothing written";
}

TEST_F(MainFormTest, ExerciseItemsOpenTheWindowServingTheExerciseWithModeAndLevel)
{
    make_form();
    recording_exercise_window colouring(form.get());
    colouring.setObjectName("colouring_window");
    wire_exercise_windows(&colouring, false);
    item("test_mode_menu_item")->trigger();
    item("practice_level_2_menu_item")->trigger();
    EXPECT_TRUE(form->test_mode());
    EXPECT_FALSE(item("exercise_mode_menu_item")->isChecked());
    EXPECT_FALSE(item("practice_level_1_menu_item")->isChecked());

    when_modal([](QWidget& window) { click(window, "OK_button"); });
    item("exercise_1_menu_item")->trigger();
    EXPECT_EQ(modal_windows, std::vector<std::string>{"colouring_window"});
    EXPECT_EQ(colouring.level(), 2);
    EXPECT_TRUE(colouring.test_mode());
    EXPECT_EQ(colouring.installed.size(), 1u) << "the first object is installed before showing";
    EXPECT_EQ(colouring.windowTitle(), "Colouring surfaces");

    item("exercise_2_menu_item")->trigger();
    EXPECT_EQ(modal_windows.size(), 1u) << "without a main window for them the drawing exercises open nothing";
    wire_exercise_windows(&colouring, true);
    const int variants[10] = {0, 0, 1, 2, 1, 2, 1, 2, 3, 4};
    for (int k = 2; k <= 9; ++k) {
        when_modal([](QWidget& window) { click(window, "OK_button"); });
        item(("exercise_" + std::to_string(k) + "_menu_item").c_str())->trigger();
        auto* window = dynamic_cast<TExerciseForm*>(exercises->window_for(k));
        ASSERT_TRUE(window) << k;
        EXPECT_EQ(window->exercise(), k);
        EXPECT_EQ(window->mode(), variants[k]) << k;
        EXPECT_EQ(window->level(), 2);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"colouring_window", "indicate_window", "indicate_window",
                                                       "add_line_window", "add_line_window", "construction_window",
                                                       "construction_window", "construction_window",
                                                       "construction_window"}));
    EXPECT_EQ(exercises->window_for(6), exercises->window_for(9)) << "one window for the group";
    EXPECT_EQ(responder.count(), 0u);
    item("exercise_mode_menu_item")->trigger();
    EXPECT_FALSE(form->test_mode());
    EXPECT_FALSE(exercise_windows(nullptr, nullptr).show(1, false, 1)) << "no colouring window: nothing to show";
    EXPECT_THROW(exercise_served_by(10), std::out_of_range);
}

TEST_F(MainFormTest, TheResultsItemShowsTheLoggedInPupilsResults)
{
    make_guidance("TH 1;", false);
    make_form();
    struct recording_results_window : pupil_results_window {
        std::vector<std::string> shown;
        void show_results_of(const std::string& pupil) override { shown.push_back(pupil); }
    } results;
    form->wire_windows({.results = &results});
    item("results_menu_item")->trigger();
    EXPECT_TRUE(results.shown.empty()) << "nobody logged in";
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    item("results_menu_item")->trigger();
    EXPECT_EQ(results.shown, std::vector<std::string>{"Anna"});
}

TEST_F(MainFormTest, TheoryChaptersShowTheirTitleTextAndForTheOwnOnesAPicture)
{
    setting("Additional Theory Subjects", "2", "ADDITIONAL THEORY");
    make_form();
    const std::pair<int, const char*> chapters[] = {
        {1, "Perspective projection"}, {3, "Normal projection"}, {4, "Hidden lines"}, {5, "Additional chapter 1"}};
    std::string previous_text;
    for (const auto& [chapter, title] : chapters) {
        when_modal([&, chapter = chapter, title = title](QWidget& theory) {
            EXPECT_EQ(child<QLabel>(theory, "chapter_title_label")->text().toStdString(), title);
            const std::string text = child<QLabel>(theory, "chapter_text_label")->text().toStdString();
            EXPECT_NE(text, previous_text);
            previous_text = text;
            auto* picture = child<platform::canvas_widget>(theory, "chapter_picture");
            const QImage& image = picture->canvas().image();
            EXPECT_EQ(picture->isVisible(), chapter <= 4) << title;
            EXPECT_GT(drawn_pixels(image, image.width(), image.height()), chapter <= 4 ? 500 : -1) << title;
            click(theory, "close_button");
        });
        form->click_theory_menu_item(chapter);
    }
    EXPECT_EQ(previous_text, "Your teacher will tell you about this chapter.");
    EXPECT_EQ(modal_windows.size(), 4u);
    EXPECT_FALSE(timer().isActive()) << "without guidance nothing follows";
}

TEST_F(MainFormTest, PasswordSettingsAndAboutItemsTellTheirTextsInABox)
{
    make_form();
    for (const char* name : {"change_password_menu_item", "settings_menu_item", "about_menu_item"})
        item(name)->trigger();
    ASSERT_EQ(responder.count(), 3u);
    EXPECT_EQ(responder.boxes()[0].text, "Your password is given and changed by your teacher in the students manager.");
    EXPECT_NE(responder.boxes()[1].text.find("settings file"), std::string::npos);
    EXPECT_EQ(responder.boxes()[2].text.substr(0, 23), "Technical drawing tutor");
}
