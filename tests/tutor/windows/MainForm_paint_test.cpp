#include "geometry/model/workbench_layout.h"
#include "platform/gui/image_canvas.h"
#include "platform/widgets/printing.h"
#include "tests/support/pdf_text.h"
#include "tests/tutor/windows/main_form_fixture.h"

#include <QCheckBox>
#include <QPrinter>
#include <QRadioButton>

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
    void expect_frame(int left, int top, int height)
    {
        EXPECT_EQ(form->views().frame_left, left);
        EXPECT_EQ(form->views().frame_top, top);
        EXPECT_EQ(form->views().frame_height, height);
    }
    void expect_cell(int view, int x, int y, int height)
    {
        EXPECT_EQ(form->views().view_x[static_cast<std::size_t>(view)], x) << "view " << view;
        EXPECT_EQ(form->views().view_y[static_cast<std::size_t>(view)], y) << "view " << view;
        EXPECT_EQ(form->views().cell_height, height);
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

// In a 900 x 500 area; cells are made even by the layout.
TEST_F(MainFormPaintTest, EverySizeOfTheTableForWhatIsShown)
{
    choose(2, true, true);
    painted();
    // S = min(450, 500) = 450, F = 338, V = 180, X0 = (900 - 396 - 338) div 2 = 83.
    expect_frame(83 + 396, (500 - 338) / 2, 338);
    expect_cell(1, 83, (500 - 360) / 2, 180);

    choose(2, true, false);
    painted();
    // F = 270, V = 121.5 rounded to even = 122, X0 = (900 - 525 - 270) div 2 = 52, X = X0 + 512.
    expect_frame(52 + 512, (500 - 270) / 2, 270);
    expect_cell(0, 52, 67 + 122, 122);
    expect_cell(1, 52 + form->views().cell_width, 67, 122);

    choose(0, true, true);
    painted();
    // S = 500, F = 425, X = (475 x 9) div 20 = 213.
    expect_frame(213, 37, 425);

    choose(1, true, true);
    painted();
    // S = min(600, 500) = 500, V = 215, the cell 216 high; X0 = (900 - 430) div 2.
    expect_cell(1, 235, 35, 216);

    choose(1, true, false);
    painted();
    // V = 145, the cell 146 high; X0 = (900 - 580) div 2 = 160, Y0 = (65 x 8) div 20 = 26.
    expect_cell(0, 160, 26 + 146, 146);
    expect_cell(1, 160 + form->views().cell_width, 26, 146);
}

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
    choose(0, true, true);
    const QImage plain = painted();
    form->set_show_object_names(true);
    const QImage named = painted();
    EXPECT_GT(changed_pixels(plain, named, QRect(200, 10, 40, 12)), 0) << "at (200, 10)";
    EXPECT_EQ(changed_pixels(plain, named, QRect(0, 0, 199, area_height)), 0);

    choose(2, false, true);
    form->set_show_object_names(false);
    const QImage both = painted();
    form->set_show_object_names(true);
    EXPECT_GT(changed_pixels(both, painted(), QRect(320, 15, 40, 12)), 0) << "three European views: at (320, 15)";
    EXPECT_EQ(changed_pixels(both, painted(), QRect(0, 0, 319, 14)), 0);
}

TEST_F(MainFormPaintTest, TheScreenDrawsLeftOfTheRotationButtonsAndAboveTheOptions)
{
    show_form();
    form->resize(1000, 750);
    QApplication::processEvents();
    const Tworkbench_layout layout = workbench_layout(form->drawing_width(), form->drawing_height(), true, true, true);
    EXPECT_EQ(form->views().frame_height, layout.frame_height) << "both projections, six views by default";
    EXPECT_EQ(form->views().frame_left, layout.frame_origin.x);
    EXPECT_EQ(form->views().frame_top, layout.frame_origin.y);
    EXPECT_LE(form->views().frame_right, form->drawing_width());
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
