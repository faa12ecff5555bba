#include "geometry/model/kernel.h"
#include "platform/widgets/canvas_widget.h"
#include "tests/tutor/windows/main_form_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <cmath>

using namespace foundation::widgets;
using namespace geometry::model;
using namespace tutor::windows;

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

Tsolid loaded(int number, int x = 0, int y = 0, int z = 0)
{
    Tsolid solid;
    load_object(number, solid);
    rotate_solid(solid, x, y, false, z);
    return solid;
}

} // namespace

TEST_F(MainFormTest, CreationLoadsTheCatalogueAndTheDefaultsWithoutShowingItself)
{
    make_form();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(item("guidance_menu_item")->property("tag").toInt(), guidance_menu_tag);
    EXPECT_EQ(item("switch_guidance_on_off_menu_item")->property("tag").toInt(), guidance_menu_tag_1);
    EXPECT_EQ(item("start_guidance_again_menu_item")->property("tag").toInt(), guidance_menu_tag_2);
    EXPECT_FALSE(item("guidance_menu_item")->isEnabled()) << "no guidance: its menu is disabled";
    EXPECT_FALSE(item("additional_chapter_1_theory_menu_item")->isVisible()) << "no additional subjects by default";
    EXPECT_EQ(control<QLabel>("status_panel_1")->text(), "Choose an object and the projections to show.");

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

    EXPECT_FALSE(timer().isActive());
    EXPECT_FALSE(form->test_mode());
    EXPECT_TRUE(item("exercise_mode_menu_item")->isChecked());
    EXPECT_EQ(form->practice_level(), 1);
    EXPECT_TRUE(item("practice_level_1_menu_item")->isChecked());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(MainFormTest, TheInitialViewSettingsAndLevelSetTheOptions)
{
    setting("Initial Non-Technical View Settings", "PXC");
    setting("Initial Technical Views Settings", "E");
    setting("Initial Practice Level", "3");
    make_form();
    const std::pair<const char*, bool> checked[] = {
        {"projections_radio_group_item_2", true}, {"perspectivic_radio_button", true},
        {"isometric_radio_button", false},        {"cut_checkbox", true},
        {"oblique_colors_checkbox", true},        {"hidden_lines_checkbox", false},
        {"european_method_radio_button", true},   {"normal_6_views_radio_button", true},
        {"normal_colors_checkbox", false},        {"view_indications_checkbox", false}};
    for (const auto& [name, on] : checked)
        EXPECT_EQ(control<QAbstractButton>(name)->isChecked(), on) << name;
    EXPECT_EQ(form->practice_level(), 3);
    EXPECT_TRUE(item("practice_level_3_menu_item")->isChecked());
    EXPECT_FALSE(item("practice_level_1_menu_item")->isChecked());
    form.reset();

    setting("Initial Non-Technical View Settings", "");
    make_form();
    EXPECT_TRUE(control<QRadioButton>("projections_radio_group_item_1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("cut_checkbox")->isEnabled()) << "the controls follow their group box";
    EXPECT_TRUE(control<QCheckBox>("normal_colors_checkbox")->isEnabled());
}

TEST_F(MainFormTest, TheProjectionItemsDrawTheirViewsAndTheFourthNothing)
{
    setting("Initial Non-Technical View Settings", "HC");
    setting("Initial Technical Views Settings", "6CN");
    make_form();
    show_form();
    form->resize(800, 600);
    QApplication::processEvents();
    EXPECT_TRUE(control<QRadioButton>("projections_radio_group_item_3")->isChecked());
    const QImage& image = control<platform::canvas_widget>("client_area")->canvas().image();
    const auto drawn = [&] { return drawn_pixels(image, form->drawing_width(), form->drawing_height()); };
    ASSERT_GT(form->drawing_width(), 300);
    EXPECT_EQ(drawn(), 0);
    control<QRadioButton>("projections_radio_group_item_1")->click();
    EXPECT_GT(drawn(), 500) << "the normal views are drawn at once";
    EXPECT_TRUE(form->normal_shown() && !form->oblique_shown());
    EXPECT_FALSE(control<QGroupBox>("oblique_projection_groupbox")->isEnabled());
    control<QRadioButton>("projections_radio_group_item_3")->click();
    EXPECT_EQ(drawn(), 0);
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
    EXPECT_TRUE(item("hidden_lines_theory_menu_item")->isVisible());
}

TEST_F(MainFormTest, ResizingKeepsFourToThreeAndPlacesTheControls)
{
    make_form();
    show_form();
    const std::pair<QSize, QSize> sizes[] = {{{800, 600}, {800, 600}},
                                             {{800, 700}, {931, 700}},     // the height changed: the width follows
                                             {{1000, 700}, {1000, 750}},   // the width changed: the height follows
                                             {{1000, 770}, {1000, 770}},   // within 0.03 of 0.75 it stays
                                             {{900, 100}, {900, 675}},     // at least 480 high, then 3:4
                                             {{500, 300}, {640, 480}}};
    for (const auto& [asked, kept] : sizes) {
        form->resize(asked);
        QApplication::processEvents();
        EXPECT_EQ(form->size(), kept) << asked.width() << " x " << asked.height();
    }
    const QWidget* client = control<QWidget>("client_area");
    const QWidget* group = control<QWidget>("projections_radio_group");
    const QWidget* select = control<QWidget>("select_object_groupbox");
    const QWidget* panel = control<QWidget>("panel_rotation_buttons");
    for (const int width : {1000, 640}) {
        form->resize(width, width * 3 / 4);
        QApplication::processEvents();
        const bool room = client->width() - select->x() - select->width() > std::nearbyint(panel->width() * 1.1);
        EXPECT_EQ(room, width == 1000);
        EXPECT_EQ(group->y(), client->height() - static_cast<int>(std::nearbyint(group->height() * 1.05)));
        EXPECT_EQ(select->y(), group->y());
        EXPECT_EQ(panel->x(), client->width() - static_cast<int>(std::nearbyint(panel->width() * 1.05)));
        // Beside the boxes halfway up when there is room, else just above the object choice.
        EXPECT_EQ(panel->y(), room ? (client->height() - panel->height()) / 2 : select->y() - 5 - panel->height());
        EXPECT_EQ(form->drawing_width(), panel->x());
        EXPECT_EQ(form->drawing_height(), group->y());
    }
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
    const TThingCatCollection& catalogue = form->catalogue();
    const int other = catalogue.categories[0].get() == catalogue.theory_category ? 1 : 0;
    const TThingCategory& category = *catalogue.categories[static_cast<std::size_t>(other)];
    classes->setCurrentIndex(other);
    emit classes->activated(other);
    EXPECT_EQ(catalogue.selected_category, &category);
    ASSERT_EQ(objects->count(), static_cast<int>(category.things.size()));
    EXPECT_EQ(objects->currentRow(), 0) << "the chosen object is not in it: the first one is chosen";
    EXPECT_TRUE(same_solid(form->solid(), loaded(category.things[0]->object_number)));
    ASSERT_GE(objects->count(), 2);
    QTest::mouseClick(objects->viewport(), Qt::LeftButton, {}, objects->visualItemRect(objects->item(1)).center());
    EXPECT_EQ(catalogue.selected_thing, category.things[1].get());
    EXPECT_TRUE(same_solid(form->solid(), loaded(category.things[1]->object_number)));

    classes->setCurrentIndex(1 - other);
    emit classes->activated(1 - other);
    EXPECT_EQ(catalogue.selected_category, catalogue.categories[static_cast<std::size_t>(1 - other)].get());
    EXPECT_EQ(objects->currentItem()->text().toStdString(), catalogue.selected_thing->name);
}

TEST_F(MainFormTest, RotationButtonsTurnTheSolidByTheConvention)
{
    struct turn {
        bool european;
        const char* axis;
        int x, y, z;
    };
    const turn turns[] = {{false, "X", -90, 0, 0}, {false, "Y", 0, 0, -90}, {true, "X", 0, 0, -90},
                          {true, "Y", 90, 0, 0},   {true, "Z", 0, -90, 0}};
    for (const turn& t : turns) {
        SCOPED_TRACE(std::string(t.axis) + (t.european ? " European" : " American"));
        form.reset();
        set_projection_convention(t.european);
        make_form();
        const int number = form->catalogue().selected_thing->object_number;
        EXPECT_TRUE(same_solid(form->solid(), loaded(number))) << "the European method mirrors the loaded object";
        auto* positive = control<QPushButton>(("button_positive_" + std::string(t.axis) + "_rotation").c_str());
        positive->setFocus();
        QTest::keyClick(positive, Qt::Key_Return);   // Enter on a focused button presses it
        EXPECT_TRUE(same_solid(form->solid(), loaded(number, t.x, t.y, t.z)));
        EXPECT_FALSE(same_solid(form->solid(), loaded(number)));
        control<QPushButton>(("button_negative_" + std::string(t.axis) + "_rotation").c_str())->click();
        EXPECT_TRUE(same_solid(form->solid(), loaded(number)));
    }
}
