#include "foundation/date_time.h"
#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "manager/windows.h"
#include "platform/clipboard.h"
#include "platform/printing.h"
#include "tests/manager/gui_fixture.h"
#include "tests/support/pdf_text.h"
#include "tutor/ExerciseDForm.h"

#include <QListWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

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
        ExerciseDForm = exercise_titles.get();
        form = std::make_unique<TResultsForm>();
    }
    void TearDown() override
    {
        form.reset();
        ExerciseDForm = nullptr;
        exercise_titles.reset();
        platform::set_print_dialog_answer({});
        gui_fixture::TearDown();
    }
    // A student with `count` results of exercises 1, 2, ..., each four minutes long.
    void add_student_with_results(const std::string& name, int count)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", true, false, false, true));
        for (int i = 0; i < count; ++i) {
            const Tdate_time start = encode_date_time({2026, 3, 1 + i % 28, 9, 0, 0});
            ASSERT_TRUE(student_data_files->add_result(name, 1 + i % 9, start, start + 4.0 / 1440, 1 + i % 3, 10, i % 11));
        }
    }
    // The results window of a student with `count` results, shown.
    void show(const std::string& name, int count)
    {
        add_student_with_results(name, count);
        form->tell_pupil_name_before_FormShow(name);
        form->show();
    }
    std::string entry(int k) { return text_handler->read_entry("RESULTS_WINDOW", k); }
    std::string title(int k) { return exercise_titles->get_exercise_title(k); }

    std::unique_ptr<TExerciseDForm> exercise_titles;
    std::unique_ptr<TResultsForm> form;
};

TEST_F(ResultsFormTest, TheResultsButtonShowsTheSelectedStudentsLinesAndCopiesThem)
{
    add_student_with_results("Zoe", 0);
    add_student_with_results("Adam", 2);
    TRFM_MainForm main_form;
    main_form.show();
    ResultsForm = form.get();
    main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    QString caption;
    int lines = 0, client = 0;
    QTimer::singleShot(0, [&] {
        caption = form->windowTitle();
        lines = form->line_count();
        client = form->client_height();
        form->copy_menu_itemClick();
        QTest::keyClick(form.get(), Qt::Key_Escape);   // the exit item's shortcut
    });
    main_form.findChild<QPushButton*>("results_button")->click();
    ResultsForm = nullptr;
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(caption.toStdString(), entry(1) + "Adam");
    EXPECT_EQ(std::tuple(lines, client, form->line_count()), std::tuple(27 + 2 * 6, lines * form->line_height(), 0))
        << "closing frees the lines";
    const std::string copied = platform::clipboard_text();
    EXPECT_EQ(copied.rfind("   " + title(1) + "\r\n", 0), 0u);
    EXPECT_NE(copied.find("\r\n" + entry(3) + " 0:04:00\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(copied, "\r\n"), static_cast<std::size_t>(lines - 1));
}

// Keys and the wheel scroll a long list, cut to fit the screen with its frame.
TEST_F(ResultsFormTest, KeysAndTheWheelScrollAListCutToTheScreen)
{
    show("many", 120);
    auto* bar = form->findChild<QScrollBar*>("VertScrollBar");
    const int h = form->line_height();
    ASSERT_EQ(form->line_count(), 27 + 120 * 6);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(form->y() + form->style()->pixelMetric(QStyle::PM_TitleBarHeight) + form->height(), screen.bottom() + 1);
    EXPECT_GE(form->y(), screen.top());
    EXPECT_LT(form->client_height(), form->line_count() * h) << "a long list is cut to the screen";
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, h},        {Qt::Key_PageDown, 11 * h}, {Qt::Key_Up, 10 * h},
                                             {Qt::Key_PageUp, 0},       {Qt::Key_End, bar->maximum()},
                                             {Qt::Key_Home, 0},         {Qt::Key_A, 0}};
    for (const auto& [key, value] : steps) {
        QTest::keyClick(form.get(), key);
        EXPECT_EQ(bar->value(), value) << key;
    }
    QWidget* view = form->findChild<QWidget*>("results_view");
    const QPointF inside(10, 10);
    QWheelEvent wheel(inside, view->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_EQ(bar->value(), QApplication::wheelScrollLines() * h) << "one notch down";
}

TEST_F(ResultsFormTest, PaintingDrawsOnlyTheVisibleLinesWithHeadingsBold)
{
    show("Many", 60);
    const int h = form->line_height();
    const int visible = form->client_height() / h;
    recording_canvas top;
    form->FormPaint(top);
    ASSERT_GT(top.texts.size(), 1u);
    EXPECT_EQ(top.texts.front().y, h) << "an empty line height stands above line 1";
    EXPECT_EQ(std::pair(top.texts.front().text, top.texts.front().bold), std::pair("   " + title(1), true));
    EXPECT_FALSE(top.texts[1].bold) << "the font is regular again after a heading";
    form->findChild<QScrollBar*>("VertScrollBar")->setValue(100 * h);
    recording_canvas scrolled;
    form->FormPaint(scrolled);
    ASSERT_FALSE(scrolled.texts.empty());
    EXPECT_LE(scrolled.texts.size(), static_cast<std::size_t>(visible + 2));
    for (const auto& line : scrolled.texts)
        EXPECT_TRUE(line.y >= 0 && line.y <= form->client_height() + h) << line.y;
}

// A cancelled print prints nothing; a long list prints on several pages,
// every result once, the caption on the first page only.
TEST_F(ResultsFormTest, ALongListPrintsOnSeveralPagesWithTheCaptionOnTheFirstOnly)
{
    show("Printed", 40);
    const std::string pdf = program.file("form->pdf");
    for (const bool accepted : {false, true}) {
        platform::set_print_dialog_answer([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return accepted;
        });
        form->print_menu_itemClick();
        EXPECT_EQ(std::filesystem::exists(pdf), accepted);
    }
    const std::vector<std::string> pages = test_support::pdf_page_texts(pdf);
    ASSERT_GE(pages.size(), 2u);
    std::size_t results_printed = 0, headings = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(occurrences(pages[i], "Printed"), i == 0 ? 1u : 0u) << "page " << i + 1;
        results_printed += occurrences(pages[i], entry(6));
        for (int k = 1; k <= 9; ++k)
            headings += occurrences(pages[i], title(k));
    }
    EXPECT_EQ(results_printed, 40u) << "every result once, none lost at a page break";
    EXPECT_GE(headings, 9u);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsFormTest, AMissingFileShowsOnlyTheCaption)
{
    form->tell_pupil_name_before_FormShow("Nobody");
    form->show();
    EXPECT_EQ(std::pair(form->line_count(), form->windowTitle().toStdString()), std::pair(0, entry(1) + "Nobody"));
    recording_canvas canvas;
    form->FormPaint(canvas);
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_GE(responder.count(), 1u) << "the failed open is reported";
    form->copy_menu_itemClick();
    EXPECT_EQ(platform::clipboard_text(), "");
}
