#include "geometry/model/kernel.h"
#include "platform/widgets/printing.h"
#include "tests/support/pdf_text.h"
#include "tests/tutor/windows/tutor_windows_fixture.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/windows/pupil_results_window.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>


using namespace foundation;
using namespace student_files;
using namespace geometry::drawing;
using namespace tutor::engine;

using namespace foundation::widgets;
using namespace geometry::model;
using namespace tutor::windows;

namespace {

// The vertices of the object, loaded and turned, to compare solids by.
std::vector<double> vertices_of(const Tsolid& s)
{
    std::vector<double> v;
    for (int i = 1; i <= s.vertex_count; ++i) {
        const auto& p = s.vertices[static_cast<std::size_t>(i)];
        for (const auto c : {p.x, p.y, p.z})
            v.push_back(std::round(static_cast<double>(c) * 1e6) / 1e6);
    }
    return v;
}

std::vector<double> loaded(int number, int x = 0, int y = 0, int z = 0)
{
    Tsolid solid;
    load_object(number, solid);
    rotate_solid(solid, x, y, false, z);
    return vertices_of(solid);
}

int changed_pixels(const QImage& a, const QImage& b, const QRect& area)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

} // namespace

TEST_F(MainFormTest, CreationTakesTheCatalogueTheSettingsAndTheLevel)
{
    setting("Initial Non-Technical View Settings", "PXC");
    setting("Initial Technical Views Settings", "E");
    setting("Initial Practice Level", "3");
    write_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", "7");
    make_form();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(item("guidance_menu_item")->isEnabled());   // no guidance
    const TThingCatCollection& catalogue = form->catalogue();
    ASSERT_EQ(catalogue.selected_thing, catalogue.theory_thing);
    EXPECT_EQ(control<QListWidget>("object_choice_listbox")->currentItem()->text().toStdString(),
              catalogue.theory_thing->name);
    EXPECT_EQ(vertices_of(form->solid()), loaded(catalogue.theory_thing->object_number));
    for (const char* name : {"projections_radio_group_item_2", "perspectivic_radio_button", "cut_checkbox",
                             "oblique_colors_checkbox", "european_method_radio_button", "normal_6_views_radio_button"})
        EXPECT_TRUE(control<QAbstractButton>(name)->isChecked()) << name;
    for (const char* name : {"hidden_lines_checkbox", "normal_colors_checkbox", "view_indications_checkbox"})
        EXPECT_FALSE(control<QAbstractButton>(name)->isChecked()) << name;
    EXPECT_EQ(form->practice_level(), 3);
    EXPECT_TRUE(item("practice_level_3_menu_item")->isChecked());
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(item(("additional_chapter_" + std::to_string(k) + "_theory_menu_item").c_str())->isVisible(), k <= 5);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(MainFormTest, ResizingKeepsFourToThreeAndStaysMaximisedWhenSet)
{
    make_form();
    show_form();
    const std::pair<QSize, QSize> sizes[] = {{{800, 700}, {931, 700}},     // the height changed: the width follows
                                             {{1000, 700}, {1000, 750}},   // the width changed: the height follows
                                             {{1000, 770}, {1000, 770}},   // within 0.03 of 0.75 it stays
                                             {{500, 300}, {640, 480}}};
    for (const auto& [asked, kept] : sizes) {
        form->resize(asked);
        QApplication::processEvents();
        EXPECT_EQ(form->size(), kept) << asked.width() << " x " << asked.height();
    }
    EXPECT_EQ(form->drawing_width(), control<QWidget>("panel_rotation_buttons")->x());
    form.reset();
    setting("Keep Main Window Maximized", "Yes");
    setting("Use Background Screen", "Yes");
    make_form();
    show_form();
    QApplication::processEvents();
    form->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    QWidget* background = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "BackGroundScreen" && window->isVisible())
            background = window;
    ASSERT_TRUE(background);
    form->close_by_guidance();   // asks nothing and takes the background screen along
    EXPECT_FALSE(form->isVisible() || background->isVisible() || responder.count() > 0);
}

TEST_F(MainFormTest, RotationButtonsTurnTheSolidByTheConvention)
{
    const std::tuple<bool, const char*, int, int, int> turns[] = {
        {false, "X", -90, 0, 0}, {false, "Y", 0, 0, -90}, {true, "X", 0, 0, -90}, {true, "Y", 90, 0, 0},
        {true, "Z", 0, -90, 0}};
    for (const auto& [european, axis, x, y, z] : turns) {
        form.reset();
        set_projection_convention(european);
        make_form();
        const int number = form->catalogue().selected_thing->object_number;
        auto* positive = control<QPushButton>(("button_positive_" + std::string(axis) + "_rotation").c_str());
        positive->setFocus();
        QTest::keyClick(positive, Qt::Key_Return);   // Enter on a focused button presses it
        EXPECT_EQ(vertices_of(form->solid()), loaded(number, x, y, z)) << axis << european;
        control<QPushButton>(("button_negative_" + std::string(axis) + "_rotation").c_str())->click();
        EXPECT_EQ(vertices_of(form->solid()), loaded(number)) << axis << european;
    }
}

TEST_F(MainFormTest, WhatIsShownIsDrawnInItsFrameAndNothingWithoutAProjection)
{
    make_form();
    const auto painted = [this] {
        platform::image_canvas canvas(900, 500);
        form->FormPaint(canvas, 900, 500);
        return canvas.image();
    };
    control<QRadioButton>("projections_radio_group_item_3")->click();
    const QImage empty = painted();
    EXPECT_EQ(changed_pixels(empty, platform::image_canvas(900, 500).image(), QRect(0, 0, 900, 500)), 0);
    control<QRadioButton>("projections_radio_group_item_0")->click();
    const QImage oblique = painted();
    const QRect frame(form->views().frame_left, form->views().frame_top, form->views().frame_width,
                      form->views().frame_height);
    EXPECT_GT(changed_pixels(oblique, empty, frame), 1000);
    EXPECT_EQ(changed_pixels(oblique, empty, QRect(0, 0, frame.left() - 5, 500)), 0);
    form->set_show_object_names(true);
    EXPECT_GT(changed_pixels(painted(), oblique, QRect(200, 10, 40, 12)), 0);   // the object's name
    control<QCheckBox>("cut_checkbox")->click();
    EXPECT_GT(changed_pixels(painted(), oblique, frame), 100);
}

TEST_F(MainFormTest, PrintingDrawsOnThePageAsOnTheScreen)
{
    make_form();
    for (const char* name : {"projections_radio_group_item_1", "american_method_radio_button", "normal_3_views_radio_button"})
        control<QRadioButton>(name)->click();
    control<QCheckBox>("view_indications_checkbox")->setChecked(true);
    const auto print_to = [this](const std::string& pdf, bool confirmed) {
        platform::set_print_dialog_answer([pdf, confirmed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return confirmed;
        });
        form->print_menu_itemClick();
        platform::set_print_dialog_answer({});
    };
    print_to(program.file("workbench.pdf"), true);
    const std::vector<std::string> pages = test_support::pdf_page_texts(program.file("workbench.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    for (const char* label : {"Top", "Front", "Right"})
        EXPECT_NE(pages[0].find(label), std::string::npos) << label;
    EXPECT_GT(form->views().cell_height, 1000);   // the views fill the page, not the window
}

TEST_F(MainFormTest, ShowingStartsTheLoginOnceNoModalWindowIsOpenAndItRefusesAWrongPassword)
{
    make_guidance("TH 1;\nTE 1;", true);
    make_form();
    form->show();
    auto blocker = std::make_unique<QDialog>();
    blocker->setWindowModality(Qt::ApplicationModal);
    blocker->show();
    form->wait_until_ready_timerTimer();
    EXPECT_TRUE(timer().isActive() && modal_windows.empty());   // it waits while a modal window is open
    blocker.reset();
    bool stayed_open = false;
    when_modal([&](QWidget& login) {
        pupil::log_in_as(login, "Anna", "rose");
        stayed_open = login.isVisible();
        pupil::log_in_as(login, "Anna", "tulip");
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->timer_tag() == tag_continue; }, 2000));
    EXPECT_TRUE(stayed_open);
    EXPECT_EQ(responder.last().text, "The name or the password is not right. Please try again.");
    EXPECT_TRUE(guidance->is_on());   // the pupil's file has guidance on
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "Anna");
    EXPECT_EQ(caption("switch_guidance_on_off_menu_item"), "Switch guidance off");
    timer().stop();
    when_modal([](QWidget& login) { pupil::press(login, "cancel_button"); });
    form->pupil_menu_itemClick();
    EXPECT_EQ(guidance->pupil_name(), "Anna");
}

TEST_F(MainFormTest, ClosingAsksAndWritesTheViewSettingsAndTheGuidanceStateBack)
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
    responder.answer_next(platform::IDNO);
    form->close();
    EXPECT_TRUE(form->isVisible());
    responder.answer_next(platform::IDYES);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(read_setting("", "GENERAL", "Initial Non-Technical View Settings", ""), "PCX");
    EXPECT_EQ(read_setting("", "GENERAL", "Initial Technical Views Settings", ""), "3N");   // normal hidden: no A or E
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_EQ(std::tuple(stored.guidance_statement, stored.guidance_is_on), std::tuple(2, true));
    store_settings_between_sessions = false;
}

TEST_F(MainFormTest, ExerciseItemsOpenTheWindowServingTheExerciseWithModeAndLevel)
{
    make_form();
    scripted_practice_form colouring(form.get());
    colouring.setObjectName("colouring_window");
    wire_exercise_windows(&colouring, false);
    item("test_mode_menu_item")->trigger();
    item("practice_level_2_menu_item")->trigger();
    when_modal([](QWidget& window) { pupil::press(window, "OK_button"); });
    item("exercise_1_menu_item")->trigger();
    EXPECT_EQ(std::tuple(colouring.level(), colouring.test_mode(), colouring.installed.size()), std::tuple(2, true, 1u));
    item("exercise_2_menu_item")->trigger();   // no drawing windows: nothing opens
    wire_exercise_windows(&colouring, true);
    const int variants[10] = {0, 0, 1, 2, 1, 2, 1, 2, 3, 4};
    for (int k = 2; k <= 9; ++k) {
        when_modal([](QWidget& window) { pupil::press(window, "OK_button"); });
        item(("exercise_" + std::to_string(k) + "_menu_item").c_str())->trigger();
        auto* window = dynamic_cast<TExerciseForm*>(exercises->window_for(k));
        ASSERT_TRUE(window) << k;
        EXPECT_EQ(std::tuple(window->exercise(), window->mode(), window->level()), std::tuple(k, variants[k], 2));
    }
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"colouring_window", "indicate_window", "indicate_window",
                                                       "add_line_window", "add_line_window", "construction_window",
                                                       "construction_window", "construction_window",
                                                       "construction_window"}));
    EXPECT_EQ(exercises->window_for(6), exercises->window_for(9));   // one window for the group
}

TEST_F(MainFormTest, ResultsTheoryAndTextItems)
{
    write_setting("", "ADDITIONAL THEORY", "Additional Theory Subjects", "2");
    make_guidance("TH 1;", false);
    make_form();
    struct recording_results_window : pupil_results_window {
        std::vector<std::string> shown;
        void show_results_of(const std::string& pupil) override { shown.push_back(pupil); }
    } results;
    form->wire_windows({.results = &results});
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    item("results_menu_item")->trigger();
    EXPECT_EQ(results.shown, std::vector<std::string>{"Anna"});

    const std::pair<int, const char*> chapters[] = {
        {1, "Perspective projection"}, {3, "Normal projection"}, {4, "Hidden lines"}, {5, "Additional chapter 1"}};
    for (const auto& [chapter, title] : chapters) {
        when_modal([&, chapter = chapter, title = title](QWidget& theory) {
            EXPECT_EQ(theory.findChild<QLabel*>("chapter_title_label")->text().toStdString(), title);
            const QImage& image = theory.findChild<platform::canvas_widget*>("chapter_picture")->canvas().image();
            QImage blank(image.size(), image.format());
            blank.fill(image.pixel(0, 0));
            EXPECT_EQ(changed_pixels(image, blank, image.rect()) > 500, chapter <= 4) << title;
            pupil::press(theory, "close_button");
        });
        form->click_theory_menu_item(chapter);
    }
    EXPECT_EQ(modal_windows.size(), 4u);
    for (const char* name : {"change_password_menu_item", "settings_menu_item", "about_menu_item"})
        item(name)->trigger();
    ASSERT_EQ(responder.count(), 3u);
    EXPECT_EQ(responder.boxes()[0].text, "Your password is given and changed by your teacher in the students manager.");
    EXPECT_EQ(responder.boxes()[2].text.substr(0, 23), "Technical drawing tutor");
}

// Switched on and started again, the guidance opens its test in the
// exercise's real window, then its theory chapter; its HALT then ends the
// program with the code and the menu item switches it off.
TEST_F(MainFormTest, TheGuidanceMenuItemsOpenTheGuidedTestAndItsHaltEndsTheProgram)
{
    make_guidance("TE 8 /L=1;\nTH 2;\nHALT 3;", false);
    make_form();
    wire_exercise_windows(nullptr, true);
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    const auto close_test = [](QWidget& window) {
        auto& exercise = dynamic_cast<TPracticeForm&>(window);
        EXPECT_EQ(std::tuple(exercise.exercise(), exercise.test_mode(), exercise.level()), std::tuple(8, true, 1));
        exercise.close();
    };
    when_modal(close_test);
    form->start_wait_until_ready_timer(tag_switch_on_off);
    form->wait_until_ready_timerTimer();
    EXPECT_EQ(caption("switch_guidance_on_off_menu_item"), "Switch guidance off");
    timer().stop();
    when_modal(close_test);
    item("start_guidance_again_menu_item")->trigger();
    when_modal([](QWidget& theory) { pupil::press(theory, "close_button"); });
    form->wait_until_ready_timerTimer();
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"construction_window", "construction_window", "TheoryForm"}));
    int halt = -1;
    try {
        form->wait_until_ready_timerTimer();
    } catch (const platform::program_stopped& stop) {
        halt = stop.code;
    }
    EXPECT_EQ(halt, 3);
    item("switch_guidance_on_off_menu_item")->trigger();
    EXPECT_FALSE(guidance->is_on());
}
