#include "foundation/date_time.h"
#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "platform/widgets/clipboard.h"
#include "platform/widgets/printing.h"
#include "tests/manager/gui_fixture.h"
#include "tests/support/pdf_text.h"
#include "tutor/windows/ExerciseDForm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace foundation;
using namespace student_files;
using namespace tutor::windows;
using namespace manager;

namespace {

// Remembers the texts drawn, so a test sees which lines a paint touched.
class recording_canvas : public platform::Canvas {
public:
    struct drawn {
        int y;
        std::string text;
        bool bold;
    };
    void text_out(int, int y, const std::string& text) override { texts.push_back({y, text, font().bold}); }
    int text_height(const std::string&) override { return 10; }
    void line(platform::pixel_point, platform::pixel_point) override {}
    void polyline(std::span<const platform::pixel_point>) override {}
    void polygon(std::span<const platform::pixel_point>) override {}
    void rectangle(int, int, int, int) override {}
    platform::colour_ref pixel(int, int) const override { return platform::white; }
    void set_pixel(int, int, platform::colour_ref) override {}
    void draw_bitmap(int, int, const platform::bitmap&, platform::raster_operation) override {}
    platform::bitmap read_area(int, int, int, int) const override { return {}; }
    void flood_fill(int, int, platform::colour_ref, platform::flood_style) override {}

    std::vector<drawn> texts;
};

std::size_t occurrences(const std::string& text, const std::string& word)
{
    std::size_t n = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

} // namespace

class ResultsFormTest : public gui_fixture {
protected:
    void SetUp() override
    {
        gui_fixture::SetUp();
        exercise_titles = std::make_unique<TExerciseDForm>();
    }
    void TearDown() override
    {
        platform::set_print_dialog_answer({});
        gui_fixture::TearDown();
    }
    // A student with `count` results of exercise 1, each four minutes long.
    void add_student_with_results(const std::string& name, int count)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", true, false, false, true));
        for (int i = 0; i < count; ++i) {
            const Tdate_time start = encode_date_time({2026, 3, 1 + i % 28, 9, 0, 0});
            ASSERT_TRUE(student_data_files->add_result(name, 1 + i % 9, start, start + 4.0 / 1440, 1 + i % 3, 10, i % 11));
        }
    }
    std::string entry(int k) { return text_handler->read_entry("RESULTS_WINDOW", k); }

    std::unique_ptr<TExerciseDForm> exercise_titles;
};

TEST_F(ResultsFormTest, TheResultsButtonShowsTheSelectedStudentsLinesAndCopiesThem)
{
    add_student_with_results("Zoe", 0);
    add_student_with_results("Adam", 2);
    TRFM_MainForm main_form;
    main_form.show();
    TResultsForm results;
    results.wire_windows(*exercise_titles);
    main_form.wire_windows({.results_form = &results});
    main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);

    QString caption;
    int lines = 0;
    int client = 0;
    QTimer::singleShot(0, [&] {
        caption = results.windowTitle();
        lines = results.line_count();
        client = results.client_height();
        results.copy_menu_itemClick();
        QTest::keyClick(&results, Qt::Key_Escape);   // the exit item's shortcut
    });
    main_form.findChild<QPushButton*>("results_button")->click();

    EXPECT_FALSE(results.isVisible());
    EXPECT_EQ(caption.toStdString(), entry(1) + "Adam");
    EXPECT_EQ(lines, 27 + 2 * 6);
    EXPECT_EQ(client, lines * results.line_height());
    EXPECT_EQ(results.line_count(), 0) << "closing frees the lines";

    const std::string copied = platform::clipboard_text();
    EXPECT_EQ(copied.substr(0, 3 + exercise_titles->get_exercise_title(1).size() + 2),
              "   " + exercise_titles->get_exercise_title(1) + "\r\n");
    EXPECT_NE(copied.find("\r\n" + entry(3) + " 0:04:00\r\n"), std::string::npos);
    EXPECT_NE(copied.find("\r\n" + entry(4) + "2\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(copied, "\r\n"), static_cast<std::size_t>(lines - 1));
}

TEST_F(ResultsFormTest, KeysScrollByLinesPagesAndToBothEnds)
{
    add_student_with_results("Many", 120);
    TResultsForm results;
    results.tell_pupil_name_before_FormShow("many");
    results.show();
    auto* bar = results.findChild<QScrollBar*>("VertScrollBar");
    const int h = results.line_height();
    ASSERT_EQ(results.line_count(), 27 + 120 * 6);
    EXPECT_LE(results.frameGeometry().bottom(), QGuiApplication::primaryScreen()->availableGeometry().bottom() + 1);
    EXPECT_LT(results.client_height(), results.line_count() * h) << "a long list is cut to the screen";

    QTest::keyClick(&results, Qt::Key_Down);
    EXPECT_EQ(bar->value(), h);
    QTest::keyClick(&results, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), 11 * h);
    QTest::keyClick(&results, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 10 * h);
    QTest::keyClick(&results, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&results, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_GT(bar->maximum(), 0);
    QTest::keyClick(&results, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(&results, Qt::Key_A);
    EXPECT_EQ(bar->value(), 0);
    results.close();
}

TEST_F(ResultsFormTest, PaintingDrawsOnlyTheVisibleLinesWithHeadingsBold)
{
    add_student_with_results("Many", 60);
    TResultsForm results;
    results.wire_windows(*exercise_titles);
    results.tell_pupil_name_before_FormShow("Many");
    results.show();
    const int h = results.line_height();
    const int visible = results.client_height() / h;

    recording_canvas top;
    results.FormPaint(top);
    ASSERT_FALSE(top.texts.empty());
    EXPECT_EQ(top.texts.front().y, h) << "an empty line height stands above line 1";
    EXPECT_TRUE(top.texts.front().bold);
    EXPECT_EQ(top.texts.front().text, "   " + exercise_titles->get_exercise_title(1));
    EXPECT_FALSE(top.texts[1].bold) << "the font is regular again after a heading";
    EXPECT_LE(top.texts.back().y, (visible + 2) * h);

    results.findChild<QScrollBar*>("VertScrollBar")->setValue(100 * h);
    recording_canvas scrolled;
    results.FormPaint(scrolled);
    ASSERT_FALSE(scrolled.texts.empty());
    for (const auto& line : scrolled.texts) {
        EXPECT_GE(line.y, 0);
        EXPECT_LE(line.y, results.client_height() + h);
    }
    EXPECT_LE(scrolled.texts.size(), static_cast<std::size_t>(visible + 2));
    results.close();
}

TEST_F(ResultsFormTest, ALongListPrintsOnSeveralPagesWithTheCaptionOnTheFirstOnly)
{
    add_student_with_results("Printed", 40);
    const std::string pdf = program.file("results.pdf");
    platform::set_print_dialog_answer([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    TResultsForm results;
    results.wire_windows(*exercise_titles);
    results.tell_pupil_name_before_FormShow("Printed");
    results.show();
    results.print_menu_itemClick();
    results.close();

    const std::vector<std::string> pages = test_support::pdf_page_texts(pdf);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_EQ(occurrences(pages[0], "Printed"), 1u);
    std::size_t results_printed = 0;
    std::size_t headings = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(occurrences(pages[i], "Printed"), 0u) << "page " << i + 1;
        }
        results_printed += occurrences(pages[i], entry(6));
        for (int k = 1; k <= 9; ++k)
            headings += occurrences(pages[i], exercise_titles->get_exercise_title(k));
    }
    EXPECT_EQ(results_printed, 40u) << "every result once, none lost at a page break";
    EXPECT_GE(headings, 9u);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsFormTest, ACancelledPrintDialogPrintsNothing)
{
    add_student_with_results("Kept", 1);
    const std::string pdf = program.file("results.pdf");
    platform::set_print_dialog_answer([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return false;
    });
    TResultsForm results;
    results.tell_pupil_name_before_FormShow("Kept");
    results.show();
    results.print_menu_itemClick();
    results.close();
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsFormTest, AMissingFileShowsOnlyTheCaption)
{
    TResultsForm results;
    results.tell_pupil_name_before_FormShow("Nobody");
    results.show();
    EXPECT_EQ(results.line_count(), 0);
    EXPECT_EQ(results.windowTitle().toStdString(), entry(1) + "Nobody");
    recording_canvas canvas;
    results.FormPaint(canvas);
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_GE(responder.count(), 1u) << "the failed open is reported";
    results.copy_menu_itemClick();
    EXPECT_EQ(platform::clipboard_text(), "");
    results.close();
}

TEST_F(ResultsFormTest, TheWheelOverTheLinesScrollsThem)
{
    add_student_with_results("Many", 20);
    TResultsForm results;
    results.tell_pupil_name_before_FormShow("Many");
    results.show();
    auto* bar = results.findChild<QScrollBar*>("VertScrollBar");
    QWidget* view = results.findChild<QWidget*>("results_view");
    const QPointF inside(10, 10);
    const auto turn = [&](int delta) {
        QWheelEvent wheel(inside, view->mapToGlobal(inside), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
    };
    turn(-120);
    EXPECT_EQ(bar->value(), QApplication::wheelScrollLines() * results.line_height()) << "one notch down";
    turn(120);
    EXPECT_EQ(bar->value(), 0);
    results.close();
}

TEST_F(ResultsFormTest, TheFirstShowingLeavesRoomForTheWindowFrame)
{
    add_student_with_results("Many", 20);
    TResultsForm results;
    results.tell_pupil_name_before_FormShow("Many");
    results.show();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int title_bar = results.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_GT(title_bar, 0);
    EXPECT_LE(results.y() + title_bar + results.height(), screen.bottom() + 1);
    EXPECT_GE(results.y(), screen.top());
    results.close();
}
