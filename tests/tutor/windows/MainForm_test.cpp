#include "foundation/widgets/form_helpers.h"
#include "geometry/model/kernel.h"
#include "platform/widgets/canvas_widget.h"
#include "tests/tutor/windows/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <cmath>

namespace {

bool same_solid(const Tsolid& a, const Tsolid& b)
{
    if (a.vertex_count != b.vertex_count)
        return false;
    for (int i = 1; i <= a.vertex_count; ++i) {
        const auto& p = a.vertices[static_cast<std::size_t>(i)];
        const auto& q = b.vertices[static_cast<std::size_t>(i)];
        if (std::fabs(p.x - q.x) > 1e-9 || std::fabs(p.y - q.y) > 1e-9 || std::fabs(p.z - q.z) > 1e-9)
            return false;
    }
    return true;
}

Tsolid loaded(int number)
{
    Tsolid solid;
    load_object(number, solid);
    return solid;
}

} // namespace

TEST_F(MainFormTest, CreationTakesItsTextsAndLoadsTheCatalogueWithoutShowingItself)
{
    make_form();
    EXPECT_FALSE(form->isVisible());
    const std::pair<const char*, const char*> captions[] = {
        {"pupil_menu_item", "Pupil login..."},
        {"change_password_menu_item", "Change password..."},
        {"print_menu_item", "Print"},
        {"printer_settings_menu_item", "Printer settings..."},
        {"perspectivic_theory_menu_item", "Perspective projection"},
        {"hidden_lines_theory_menu_item", "Hidden lines"},
        {"exercise_1_menu_item", "Exercise 1: Colouring surfaces"},
        {"exercise_9_menu_item", "Exercise 9: Constructing a sectional view"},
        {"practice_level_3_menu_item", "Level 3"},
        {"results_menu_item", "Results..."},
        {"switch_guidance_on_off_menu_item", "Switch guidance on"},
        {"about_menu_item", "About the tutor..."},
        {"additional_chapter_10_theory_menu_item", "Additional chapter 10"},
    };
    for (const auto& [name, caption] : captions) {
        if (QAction* action = item(name)) {
            EXPECT_EQ(without_mnemonic(action->text().toStdString()), caption) << name;
        }
    }
    EXPECT_EQ(item("guidance_menu_item")->property("tag").toInt(), guidance_menu_tag);
    EXPECT_EQ(item("switch_guidance_on_off_menu_item")->property("tag").toInt(), guidance_menu_tag_1);
    EXPECT_EQ(item("start_guidance_again_menu_item")->property("tag").toInt(), guidance_menu_tag_2);
    EXPECT_FALSE(item("guidance_menu_item")->isEnabled()) << "no guidance: its menu is disabled";
    EXPECT_FALSE(item("additional_chapter_1_theory_menu_item")->isVisible()) << "no additional subjects by default";

    EXPECT_EQ(control<QRadioButton>("projections_radio_group_item_3")->text(), "No projection");
    EXPECT_EQ(control<QGroupBox>("oblique_projection_groupbox")->title(), "Oblique projection");
    EXPECT_EQ(control<QCheckBox>("cut_checkbox")->text(), "Cut");
    EXPECT_EQ(control<QRadioButton>("european_method_radio_button")->text(), "European method");
    EXPECT_EQ(control<QLabel>("label_number_of_views")->text(), "Number of views:");
    EXPECT_EQ(control<QCheckBox>("view_indications_checkbox")->text(), "View indications");
    EXPECT_EQ(control<QLabel>("label_object")->text(), "Object:");
    EXPECT_EQ(control<QLabel>("status_panel_1")->text(), "Choose an object and the projections to show.");
    EXPECT_EQ(control<QLabel>("status_panel_2")->text(), "");
    for (const char* name : {"button_positive_X_rotation", "button_negative_X_rotation", "button_positive_Y_rotation",
                             "button_negative_Y_rotation", "button_positive_Z_rotation", "button_negative_Z_rotation"})
        EXPECT_TRUE(control<QPushButton>(name));

    // The catalogue: the categories in the combo box, the theory object chosen and loaded.
    const TThingCatCollection& catalogue = form->catalogue();
    ASSERT_NE(catalogue.selected_thing, nullptr);
    EXPECT_EQ(catalogue.selected_thing, catalogue.theory_thing);
    auto* classes = control<QComboBox>("object_class_combobox");
    ASSERT_EQ(classes->count(), static_cast<int>(catalogue.count()));
    EXPECT_EQ(classes->currentText().toStdString(), catalogue.theory_category->name);
    auto* objects = control<QListWidget>("object_choice_listbox");
    ASSERT_EQ(objects->count(), static_cast<int>(catalogue.theory_category->things.size()));
    EXPECT_EQ(objects->currentItem()->text().toStdString(), catalogue.theory_thing->name);
    EXPECT_TRUE(same_solid(form->solid(), loaded(catalogue.theory_thing->object_number)));

    const auto* timer = form->findChild<QTimer*>("wait_until_ready_timer");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->test_mode());
    EXPECT_TRUE(item("exercise_mode_menu_item")->isChecked());
    EXPECT_FALSE(item("test_mode_menu_item")->isChecked());
    EXPECT_EQ(form->practice_level(), 1);
    EXPECT_TRUE(item("practice_level_1_menu_item")->isChecked());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(MainFormTest, ViewSettingsPXCAndEShowPerspectiveWithCutAndSixPlainEuropeanViews)
{
    setting("Initial Non-Technical View Settings", "PXC");
    setting("Initial Technical Views Settings", "E");
    setting("Initial Practice Level", "3");
    make_form();
    EXPECT_TRUE(form->oblique_shown());
    EXPECT_TRUE(form->normal_shown());
    EXPECT_TRUE(control<QRadioButton>("projections_radio_group_item_2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("perspectivic_radio_button")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("isometric_radio_button")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("cut_checkbox")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("oblique_colors_checkbox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("hidden_lines_checkbox")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("european_method_radio_button")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("normal_6_views_radio_button")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("normal_colors_checkbox")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("view_indications_checkbox")->isChecked());
    EXPECT_TRUE(control<QGroupBox>("normal_projection_groupbox")->isEnabled());
    EXPECT_EQ(form->practice_level(), 3);
    EXPECT_TRUE(item("practice_level_3_menu_item")->isChecked());
    EXPECT_FALSE(item("practice_level_1_menu_item")->isChecked());
}

TEST_F(MainFormTest, AnEmptyNonTechnicalSettingHidesTheObliqueProjectionAndItsOptions)
{
    setting("Initial Non-Technical View Settings", "");
    make_form();
    EXPECT_FALSE(form->oblique_shown());
    EXPECT_TRUE(control<QRadioButton>("projections_radio_group_item_1")->isChecked());
    EXPECT_FALSE(control<QGroupBox>("oblique_projection_groupbox")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>("cut_checkbox")->isEnabled()) << "the controls follow their group box";
    EXPECT_TRUE(control<QCheckBox>("normal_colors_checkbox")->isEnabled());
}

TEST_F(MainFormTest, BothHiddenShowsTheFourthItemAndAnEmptyDrawingArea)
{
    setting("Initial Non-Technical View Settings", "HC");
    setting("Initial Technical Views Settings", "6CN");
    make_form();
    show_form();
    form->resize(800, 600);
    QApplication::processEvents();
    EXPECT_TRUE(control<QRadioButton>("projections_radio_group_item_3")->isChecked());
    const QImage& image = control<platform::canvas_widget>("client_area")->canvas().image();
    const auto drawn_pixels = [&] {
        int drawn = 0;
        for (int y = 0; y < form->drawing_height(); ++y)
            for (int x = 0; x < form->drawing_width(); ++x)
                drawn += image.pixel(x, y) != image.pixel(0, 0);
        return drawn;
    };
    ASSERT_GT(form->drawing_width(), 300);
    ASSERT_GT(form->drawing_height(), 200);
    EXPECT_EQ(drawn_pixels(), 0);
    control<QRadioButton>("projections_radio_group_item_1")->click();
    EXPECT_GT(drawn_pixels(), 500) << "the normal views are drawn at once";
    EXPECT_TRUE(form->normal_shown());
    EXPECT_FALSE(form->oblique_shown());
    EXPECT_TRUE(control<QGroupBox>("normal_projection_groupbox")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>("oblique_projection_groupbox")->isEnabled());
    control<QRadioButton>("projections_radio_group_item_3")->click();
    EXPECT_EQ(drawn_pixels(), 0);
    EXPECT_FALSE(control<QGroupBox>("normal_projection_groupbox")->isEnabled());
}

TEST_F(MainFormTest, SevenAdditionalSubjectsShowFiveChapters)
{
    setting("Additional Theory Subjects", "7", "ADDITIONAL THEORY");
    make_form();
    for (int k = 1; k <= 10; ++k) {
        const std::string name = "additional_chapter_" + std::to_string(k) + "_theory_menu_item";
        EXPECT_EQ(item(name.c_str())->isVisible(), k <= 5) << name;
    }
    for (const char* name : {"perspectivic_theory_menu_item", "isometric_theory_menu_item",
                             "regular_projection_theory_menu_item", "hidden_lines_theory_menu_item"})
        EXPECT_TRUE(item(name)->isVisible()) << name;
}

TEST_F(MainFormTest, ResizingKeepsFourToThreeAndPlacesTheControls)
{
    make_form();
    show_form();
    form->resize(800, 600);
    QApplication::processEvents();
    ASSERT_EQ(form->size(), QSize(800, 600));
    form->resize(800, 700);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(931, 700)) << "the height changed: the width follows";
    form->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(1000, 750)) << "the width changed: the height follows";
    form->resize(500, 300);
    QApplication::processEvents();
    EXPECT_GE(form->width(), 640);
    EXPECT_GE(form->height(), 480);

    form->resize(1000, 750);
    QApplication::processEvents();
    const QWidget* client = control<QWidget>("client_area");
    const QWidget* group = control<QWidget>("projections_radio_group");
    const QWidget* select = control<QWidget>("select_object_groupbox");
    const QWidget* panel = control<QWidget>("panel_rotation_buttons");
    EXPECT_EQ(group->y(), client->height() - static_cast<int>(std::nearbyint(group->height() * 1.05)));
    for (const char* name : {"oblique_projection_groupbox", "normal_projection_groupbox", "select_object_groupbox"})
        EXPECT_EQ(control<QWidget>(name)->y(), group->y()) << name;
    EXPECT_EQ(panel->x(), client->width() - static_cast<int>(std::nearbyint(panel->width() * 1.05)));
    ASSERT_GT(client->width() - select->x() - select->width(), std::nearbyint(panel->width() * 1.1));
    EXPECT_EQ(panel->y(), (client->height() - panel->height()) / 2) << "room beside the boxes: halfway up";
    EXPECT_EQ(form->drawing_width(), panel->x());
    EXPECT_EQ(form->drawing_height(), group->y());

    form->resize(640, 480);
    QApplication::processEvents();
    ASSERT_LE(client->width() - select->x() - select->width(), std::nearbyint(panel->width() * 1.1));
    EXPECT_EQ(panel->y(), select->y() - 5 - panel->height()) << "no room: just above the object choice";
    EXPECT_EQ(panel->x(), client->width() - static_cast<int>(std::nearbyint(panel->width() * 1.05)));
}

TEST_F(MainFormTest, KeptMaximisedWhenTheSettingsSaySo)
{
    setting("Keep Main Window Maximized", "Yes");
    make_form();
    show_form();
    QApplication::processEvents();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    form->setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized) << "a normal window is maximised again";
}

TEST_F(MainFormTest, ChoosingACategoryAndAnObjectLoadsIt)
{
    make_form();
    show_form();
    auto* classes = control<QComboBox>("object_class_combobox");
    auto* objects = control<QListWidget>("object_choice_listbox");
    ASSERT_GE(classes->count(), 2);
    const TThingCatCollection& catalogue = form->catalogue();
    const int other = catalogue.categories[0].get() == catalogue.theory_category ? 1 : 0;
    const TThingCategory& category = *catalogue.categories[static_cast<std::size_t>(other)];
    classes->setCurrentIndex(other);
    emit classes->activated(other);
    EXPECT_EQ(catalogue.selected_category, &category);
    ASSERT_EQ(objects->count(), static_cast<int>(category.things.size()));
    EXPECT_EQ(objects->currentRow(), 0) << "the chosen object is not in it: the first one is chosen";
    EXPECT_EQ(catalogue.selected_thing, category.things[0].get());
    EXPECT_TRUE(same_solid(form->solid(), loaded(category.things[0]->object_number)));

    ASSERT_GE(objects->count(), 2);
    QTest::mouseClick(objects->viewport(), Qt::LeftButton, {}, objects->visualItemRect(objects->item(1)).center());
    EXPECT_EQ(catalogue.selected_thing, category.things[1].get());
    EXPECT_TRUE(same_solid(form->solid(), loaded(category.things[1]->object_number)));

    // Back to the theory object's category: the chosen object stays chosen when it is there.
    const int theory = 1 - other;
    classes->setCurrentIndex(theory);
    emit classes->activated(theory);
    EXPECT_EQ(objects->currentItem()->text().toStdString(),
              catalogue.selected_thing ? catalogue.selected_thing->name : "");
    EXPECT_EQ(catalogue.selected_category, catalogue.categories[static_cast<std::size_t>(theory)].get());
}

TEST_F(MainFormTest, RotationButtonsTurnTheSolidByTheConvention)
{
    make_form();
    const int number = form->catalogue().selected_thing->object_number;
    const auto turned = [&](int x, int y, int z) {
        Tsolid solid = loaded(number);
        rotate_solid(solid, x, y, false, z);
        return solid;
    };
    control<QPushButton>("button_positive_X_rotation")->click();
    EXPECT_TRUE(same_solid(form->solid(), turned(-90, 0, 0)));
    control<QPushButton>("button_negative_X_rotation")->click();
    EXPECT_TRUE(same_solid(form->solid(), loaded(number)));
    auto* positive_y = control<QPushButton>("button_positive_Y_rotation");
    positive_y->setFocus();
    QTest::keyClick(positive_y, Qt::Key_Return);
    EXPECT_TRUE(same_solid(form->solid(), turned(0, 0, -90))) << "Enter on a focused button presses it";
    form.reset();

    set_projection_convention(true);
    make_form();
    const Tsolid mirrored = loaded(number);
    EXPECT_TRUE(same_solid(form->solid(), mirrored)) << "the European method mirrors the loaded object";
    control<QPushButton>("button_positive_X_rotation")->click();
    EXPECT_TRUE(same_solid(form->solid(), turned(0, 0, -90)));
    control<QPushButton>("button_negative_X_rotation")->click();
    control<QPushButton>("button_positive_Y_rotation")->click();
    EXPECT_TRUE(same_solid(form->solid(), turned(90, 0, 0)));
    control<QPushButton>("button_negative_Y_rotation")->click();
    control<QPushButton>("button_negative_Z_rotation")->click();
    EXPECT_TRUE(same_solid(form->solid(), turned(0, 90, 0)));
    EXPECT_FALSE(same_solid(turned(0, 90, 0), loaded(number))) << "the turn is seen";
}
