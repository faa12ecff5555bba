#include "platform/gui/image_canvas.h"
#include "platform/widgets/printing.h"
#include "tests/support/pdf_text.h"
#include "tests/tutor/windows/main_form_fixture.h"

#include <QCheckBox>
#include <QPrinter>
#include <QRadioButton>

using namespace tutor::engine;
using namespace tutor::windows;

namespace {

constexpr int area_width = 900;
constexpr int area_height = 500;

int changed_pixels(const QImage& a, const QImage& b, const QRect& area)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

} // namespace

class MainFormPaintTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        make_form();
    }
    void TearDown() override
    {
        platform::set_print_dialog_answer({});
        MainFormTest::TearDown();
    }
    // Item 0 oblique, 1 normal, 2 both, 3 none; the method and the number of views.
    void choose(int item, bool american, bool three_views)
    {
        control<QRadioButton>(("projections_radio_group_item_" + std::to_string(item)).c_str())->click();
        control<QRadioButton>(american ? "american_method_radio_button" : "european_method_radio_button")->click();
        control<QRadioButton>(three_views ? "normal_3_views_radio_button" : "normal_6_views_radio_button")->click();
    }
    QImage painted()
    {
        platform::image_canvas canvas(area_width, area_height);
        form->FormPaint(canvas, area_width, area_height);
        return canvas.image();
    }
    void print_to(const std::string& pdf, bool confirmed)
    {
        platform::set_print_dialog_answer([pdf, confirmed](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return confirmed;
        });
        form->print_menu_itemClick();
    }
};

TEST_F(MainFormPaintTest, WhatIsShownIsDrawnAndNothingWithoutAProjection)
{
    choose(3, true, true);
    const QImage empty = painted();
    const QRect whole(0, 0, area_width, area_height);
    EXPECT_EQ(changed_pixels(empty, platform::image_canvas(area_width, area_height).image(), whole), 0);
    choose(0, true, true);
    const QImage oblique = painted();
    const QRect frame(form->views().frame_left, form->views().frame_top, form->views().frame_width,
                      form->views().frame_height);
    EXPECT_GT(changed_pixels(oblique, empty, frame), 1000);
    EXPECT_EQ(changed_pixels(oblique, empty, QRect(0, 0, frame.left() - 5, area_height)), 0)
        << "the picture stays in its frame";
    control<QCheckBox>("cut_checkbox")->click();
    EXPECT_GT(changed_pixels(painted(), oblique, frame), 100) << "the cut changes the picture";
}

TEST_F(MainFormPaintTest, TheObjectsNameWhereTheArrangementLeavesRoom)
{
    // Oblique alone: at (200, 10); three European views and the oblique: at (320, 15).
    const std::pair<int, QPoint> places[] = {{0, {200, 10}}, {2, {320, 15}}};
    for (const auto& [shown, at] : places) {
        choose(shown, shown == 0, true);
        form->set_show_object_names(false);
        const QImage plain = painted();
        form->set_show_object_names(true);
        const QImage named = painted();
        EXPECT_GT(changed_pixels(plain, named, QRect(at, QSize(40, 12))), 0) << at.x();
        EXPECT_EQ(changed_pixels(plain, named, QRect(0, 0, at.x() - 1, at.y() - 1)), 0) << at.x();
    }
}

TEST_F(MainFormPaintTest, PrintingDrawsOnThePageAsOnTheScreen)
{
    choose(1, true, true);
    control<QCheckBox>("view_indications_checkbox")->setChecked(true);
    const std::string pdf = program.file("workbench.pdf");
    print_to(pdf, true);
    const std::vector<std::string> pages = test_support::pdf_page_texts(pdf);
    ASSERT_EQ(pages.size(), 1u);
    for (const char* label : {"Top", "Front", "Right"})
        EXPECT_NE(pages[0].find(label), std::string::npos) << label;
    EXPECT_EQ(pages[0].find("Left"), std::string::npos) << "three American views";
    EXPECT_GT(form->views().cell_height, 1000) << "the views fill the page, not the window";
    EXPECT_EQ(responder.count(), 0u);

    const std::string cancelled = program.file("cancelled.pdf");
    print_to(cancelled, false);
    EXPECT_FALSE(std::filesystem::exists(cancelled));
}
