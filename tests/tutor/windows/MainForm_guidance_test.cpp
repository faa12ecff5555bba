#include "platform/widgets/canvas_widget.h"
#include "tests/tutor/windows/main_form_fixture.h"
#include "tutor/windows/ExerciseForm.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/engine/pupil_login.h"
#include "tutor/windows/pupil_results_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const unsigned error_box = platform::MB_OK | platform::MB_ICONERROR;

// An exercise window that only records how it was opened.
class recording_exercise_window : public TPracticeForm {
public:
    using TPracticeForm::TPracticeForm;
    void install_next_object(int object_number, bool) override { installed.push_back(object_number); }
    bool construction_OK() override { return true; }
    bool construction_incomplete() override { return false; }
    void show_wanted_parts() override {}
    std::vector<int> installed;
};

template <class T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

void click(QWidget& window, const char* button)
{
    if (auto* b = child<QPushButton>(window, button))
        b->click();
}

} // namespace

TEST_F(MainFormTest, ShowingStartsTheLoginOnceNoModalWindowIsOpen)
{
    make_form();
    form->show();
    const auto* timer = form->findChild<QTimer*>("wait_until_ready_timer");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(form->timer_tag(), TMainForm::login_timer_tag);
    EXPECT_TRUE(form->is_enabled());

    QDialog blocker;
    blocker.setWindowModality(Qt::ApplicationModal);
    blocker.show();
    EXPECT_FALSE(form->is_enabled());
    form->wait_until_ready_timerTimer();
    EXPECT_TRUE(timer->isActive()) << "it waits while a modal window is open";
    EXPECT_TRUE(modal_windows.empty());
    blocker.close();

    when_modal([](QWidget& login) { click(login, "cancel_button"); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    EXPECT_EQ(modal_windows, std::vector<std::string>{"PupilLoginDialog"});
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "") << "cancelled: nobody is logged in";
}

TEST_F(MainFormTest, TheLoginRefusesAWrongPasswordAndRestoresTheGuidanceOnTheRightOne)
{
    make_guidance("TH 1;\nTE 1;", true);
    make_form();
    bool stayed_open = false;
    when_modal([&](QWidget& login) {
        EXPECT_EQ(login.windowTitle(), "Pupil login");
        child<QLineEdit>(login, "pupil_name_edit")->setText("Anna");
        child<QLineEdit>(login, "password_edit")->setText("rose");
        click(login, "OK_button");
        stayed_open = login.isVisible();
        EXPECT_EQ(child<QLineEdit>(login, "password_edit")->text(), "") << "the wrong password is cleared";
        child<QLineEdit>(login, "password_edit")->setText("tulip");
        click(login, "OK_button");
    });
    form->pupil_menu_itemClick();
    EXPECT_TRUE(stayed_open);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The name or the password is not right. Please try again.");
    EXPECT_EQ(responder.last().flags, error_box);
    EXPECT_EQ(guidance->pupil_name(), "Anna");
    EXPECT_TRUE(guidance->is_on()) << "the pupil's file has guidance on";
    EXPECT_EQ(guidance->current_statement(), 1);
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "Anna");
    EXPECT_EQ(without_mnemonic(item("switch_guidance_on_off_menu_item")->text().toStdString()), "Switch guidance off");
    EXPECT_TRUE(item("guidance_menu_item")->isEnabled());
    EXPECT_EQ(form->timer_tag(), tag_continue) << "the guidance carries on once the login has gone";
    EXPECT_TRUE(form->findChild<QTimer*>("wait_until_ready_timer")->isActive());

    when_modal([](QWidget& login) {
        EXPECT_EQ(child<QLineEdit>(login, "pupil_name_edit")->text(), "") << "each login starts empty";
        EXPECT_EQ(child<QLineEdit>(login, "password_edit")->text(), "");
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
    when_modal([](QWidget& login) {
        child<QLineEdit>(login, "pupil_name_edit")->setText("Anna");
        child<QLineEdit>(login, "password_edit")->setText("tulip");
        click(login, "OK_button");
    });
    form->pupil_menu_itemClick();
    ASSERT_EQ(form->timer_tag(), tag_continue);
    form->wait_until_ready_timerTimer();
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "You have finished the guidance. The tutor will now close.");
    EXPECT_FALSE(form->isVisible());
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_TRUE(stored.guidance_is_on) << "the pupil stays under guidance";
}

TEST_F(MainFormTest, TheTimerRunsTheGuidanceDriverForItsOtherTags)
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
    EXPECT_EQ(without_mnemonic(item("switch_guidance_on_off_menu_item")->text().toStdString()), "Switch guidance off");
    EXPECT_EQ(titles, std::vector<std::string>{"Isometric projection"});
    EXPECT_EQ(form->timer_tag(), tag_next_statement) << "a closed chapter hands on to the next statement";

    // The real timer from here: the next chapter, then the end of the guidance.
    const auto* timer = form->findChild<QTimer*>("wait_until_ready_timer");
    when_modal(read_chapter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return titles.size() == 2 && timer->isActive(); }, 2000));
    EXPECT_EQ(titles.back(), "Normal projection");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 2000));
    EXPECT_FALSE(guidance->is_on()) << "finished and switchable: guidance goes off";
    EXPECT_EQ(without_mnemonic(item("switch_guidance_on_off_menu_item")->text().toStdString()), "Switch guidance on");
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "The guidance has come to its end.");
}

TEST_F(MainFormTest, TheGuidanceMenuRunsTheDriverAtOnce)
{
    make_guidance("TH 4;", false);
    make_form();
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    form->update_switch_guidance_caption();
    when_modal([](QWidget& theory) { click(theory, "close_button"); });
    item("switch_guidance_on_off_menu_item")->trigger();
    EXPECT_EQ(modal_windows, std::vector<std::string>{"TheoryForm"});
    EXPECT_TRUE(guidance->is_on());
    form->findChild<QTimer*>("wait_until_ready_timer")->stop();
    item("switch_guidance_on_off_menu_item")->trigger();
    EXPECT_FALSE(guidance->is_on());
    when_modal([](QWidget& theory) { click(theory, "close_button"); });
    item("start_guidance_again_menu_item")->trigger();
    EXPECT_EQ(modal_windows.size(), 2u);
    EXPECT_EQ(guidance->current_statement(), 1);
}

TEST_F(MainFormTest, ClosingAsksAndWritesTheViewSettingsBack)
{
    store_settings_between_sessions = true;
    make_guidance("TH 1;\nTH 2;\nTH 3;", true);
    make_form();
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    guidance->advance();
    show_form();
    control<QRadioButton>("perspectivic_radio_button")->click();
    control<QCheckBox>("hidden_lines_checkbox")->click();
    control<QCheckBox>("cut_checkbox")->click();
    control<QRadioButton>("european_method_radio_button")->click();
    control<QRadioButton>("normal_3_views_radio_button")->click();
    control<QCheckBox>("normal_colors_checkbox")->click();
    control<QRadioButton>("projections_radio_group_item_0")->click();
    control<QCheckBox>("view_indications_checkbox")->click();
    EXPECT_TRUE(control<QCheckBox>("view_indications_checkbox")->isChecked()) << "a hidden projection's options stay";

    responder.answer_next(platform::IDNO);
    form->close();
    EXPECT_TRUE(form->isVisible()) << "No keeps the tutor open";
    ASSERT_EQ(responder.count(), 1u);
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

TEST_F(MainFormTest, WithoutStoringSettingsAndClosedByTheGuidanceNothingIsAskedOrWritten)
{
    make_form();
    show_form();
    control<QCheckBox>("cut_checkbox")->click();
    form->close_by_guidance();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_EQ(stored_setting("Initial Non-Technical View Settings"), "IHC");
}

TEST_F(MainFormTest, TheBackgroundScreenIsShownWhenTheSettingsSaySoAndGoesWithTheTutor)
{
    setting("Use Background Screen", "Yes");
    make_form();
    show_form();
    QWidget* background = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "BackGroundScreen" && window->isVisible())
            background = window;
    ASSERT_TRUE(background);
    form->close_by_guidance();
    EXPECT_FALSE(background->isVisible());
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
    EXPECT_TRUE(item("test_mode_menu_item")->isChecked());
    EXPECT_TRUE(item("practice_level_2_menu_item")->isChecked());
    EXPECT_FALSE(item("practice_level_1_menu_item")->isChecked());

    when_modal([](QWidget& window) { click(window, "OK_button"); });
    item("exercise_1_menu_item")->trigger();
    EXPECT_EQ(modal_windows, std::vector<std::string>{"colouring_window"});
    EXPECT_EQ(colouring.exercise(), 1);
    EXPECT_EQ(colouring.level(), 2);
    EXPECT_TRUE(colouring.test_mode());
    EXPECT_EQ(colouring.installed.size(), 1u) << "the first object is installed before showing";
    EXPECT_EQ(colouring.windowTitle(), "Colouring surfaces");

    // Without a main window for them the drawing exercises open nothing and say nothing.
    item("exercise_2_menu_item")->trigger();
    EXPECT_EQ(modal_windows.size(), 1u);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(responder.count(), 0u);

    // With it, each opens its variant of the window of its group, made the first time.
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
        EXPECT_TRUE(window->test_mode());
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
    EXPECT_TRUE(item("exercise_mode_menu_item")->isChecked());
    EXPECT_FALSE(item("test_mode_menu_item")->isChecked());
}

TEST(ExerciseWindows, EachExerciseIsAVariantOfItsWindow)
{
    const std::pair<exercise_window, int> served[9] = {
        {exercise_window::colouring, 1},    {exercise_window::indicate, 1},     {exercise_window::indicate, 2},
        {exercise_window::add_line, 1},     {exercise_window::add_line, 2},     {exercise_window::construction, 1},
        {exercise_window::construction, 2}, {exercise_window::construction, 3}, {exercise_window::construction, 4},
    };
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(exercise_served_by(k).window, served[k - 1].first) << k;
        EXPECT_EQ(exercise_served_by(k).variant, served[k - 1].second) << k;
    }
    EXPECT_THROW(exercise_served_by(0), std::out_of_range);
    EXPECT_THROW(exercise_served_by(10), std::out_of_range);
    EXPECT_FALSE(exercise_windows(nullptr, nullptr).show(1, false, 1)) << "no colouring window: nothing to show";
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
    struct seen {
        std::string title;
        std::string text;
        bool picture = false;
        int drawn = 0;
    };
    std::vector<seen> chapters;
    const auto read = [&](QWidget& theory) {
        seen s;
        s.title = child<QLabel>(theory, "chapter_title_label")->text().toStdString();
        s.text = child<QLabel>(theory, "chapter_text_label")->text().toStdString();
        auto* picture = child<platform::canvas_widget>(theory, "chapter_picture");
        s.picture = picture->isVisible();
        const QImage& image = picture->canvas().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                s.drawn += image.pixel(x, y) != image.pixel(0, 0);
        chapters.push_back(s);
        click(theory, "close_button");
    };
    for (int chapter : {1, 3, 4, 5}) {
        when_modal(read);
        form->click_theory_menu_item(chapter);
    }
    ASSERT_EQ(chapters.size(), 4u);
    EXPECT_EQ(chapters[0].title, "Perspective projection");
    EXPECT_EQ(chapters[1].title, "Normal projection");
    EXPECT_EQ(chapters[2].title, "Hidden lines");
    EXPECT_EQ(chapters[3].title, "Additional chapter 1");
    EXPECT_EQ(chapters[3].text, "Your teacher will tell you about this chapter.");
    EXPECT_NE(chapters[0].text, chapters[1].text);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(chapters[static_cast<std::size_t>(i)].picture) << chapters[static_cast<std::size_t>(i)].title;
        EXPECT_GT(chapters[static_cast<std::size_t>(i)].drawn, 500) << chapters[static_cast<std::size_t>(i)].title;
    }
    EXPECT_FALSE(chapters[3].picture);
    EXPECT_FALSE(form->findChild<QTimer*>("wait_until_ready_timer")->isActive()) << "without guidance nothing follows";
}

TEST_F(MainFormTest, PasswordSettingsAndAboutItemsTellTheirTextsInABox)
{
    make_form();
    item("change_password_menu_item")->trigger();
    item("settings_menu_item")->trigger();
    item("about_menu_item")->trigger();
    ASSERT_EQ(responder.count(), 3u);
    EXPECT_EQ(responder.boxes()[0].text, "Your password is given and changed by your teacher in the students manager.");
    EXPECT_NE(responder.boxes()[1].text.find("settings file"), std::string::npos);
    EXPECT_EQ(responder.boxes()[2].text.substr(0, 23), "Technical drawing tutor");
}
