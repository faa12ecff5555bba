#include "geometry/model/kernel.h"
#include "platform/widgets/printing.h"
#include "tests/support/pdf_text.h"
#include "tests/tutor/windows/tutor_windows_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>

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
    setting("Additional Theory Subjects", "7", "ADDITIONAL THEORY");
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
    // Another category and an object in it chosen: the object is loaded.
    show_form();
    auto* classes = control<QComboBox>("object_class_combobox");
    auto* objects = control<QListWidget>("object_choice_listbox");
    const int other = catalogue.categories[0].get() == catalogue.theory_category ? 1 : 0;
    classes->setCurrentIndex(other);
    emit classes->activated(other);
    EXPECT_EQ(objects->currentRow(), 0);
    QTest::mouseClick(objects->viewport(), Qt::LeftButton, {}, objects->visualItemRect(objects->item(1)).center());
    EXPECT_EQ(vertices_of(form->solid()), loaded(catalogue.categories[std::size_t(other)]->things[1]->object_number));
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
    const auto backgrounds_shown = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(),
                             [](QWidget* w) { return w->objectName() == "BackGroundScreen" && w->isVisible(); });
    };
    EXPECT_EQ(backgrounds_shown(), 1);
    form->close_by_guidance();   // asks nothing and takes the background screen along
    EXPECT_FALSE(form->isVisible() || backgrounds_shown() > 0 || responder.count() > 0);
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
    print_to(program.file("cancelled.pdf"), false);
    EXPECT_FALSE(std::filesystem::exists(program.file("cancelled.pdf")));
}
