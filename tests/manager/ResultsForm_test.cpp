#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "platform/widgets/clipboard.h"
#include "tests/manager/gui_fixture.h"
#include "tutor/windows/ExerciseDForm.h"

#include <QGuiApplication>
#include <QListWidget>
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
        results.wire_windows(titles);
    }
    void show(const std::string& name, int count)
    {
        if (count >= 0)
            make(name, count);
        results.tell_pupil_name_before_FormShow(name);
        results.show();
    }
    std::string entry(int k) { return text_handler->read_entry("RESULTS_WINDOW", k); }
    QScrollBar* bar() { return results.findChild<QScrollBar*>("VertScrollBar"); }

    TExerciseDForm titles;
    TResultsForm results;
};

TEST_F(ResultsFormTest, TheResultsButtonShowsTheSelectedStudentsLinesAndCopiesThem)
{
    make("Zoe", 0);
    make("Adam", 2);
    TRFM_MainForm main_form;
    main_form.show();
    main_form.wire_windows({.results_form = &results});
    main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    QString caption;
    int lines = 0, client = 0;
    QTimer::singleShot(0, [&] {
        std::tie(caption, lines, client) = std::tuple(results.windowTitle(), results.line_count(), results.client_height());
        results.copy_menu_itemClick();
        QTest::keyClick(&results, Qt::Key_Escape);   // the exit item's shortcut
    });
    main_form.findChild<QPushButton*>("results_button")->click();
    EXPECT_EQ(std::tuple(results.isVisible(), caption.toStdString(), lines, client, results.line_count()),
              std::tuple(false, entry(1) + "Adam", 27 + 2 * 6, lines * results.line_height(), 0));
    const std::string copied = platform::clipboard_text();
    EXPECT_EQ(copied.rfind("   " + titles.get_exercise_title(1) + "\r\n", 0), 0u);
    EXPECT_NE(copied.find("\r\n" + entry(3) + " 0:04:00\r\n" + entry(4) + "1\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(copied, "\r\n"), static_cast<std::size_t>(lines - 1));
}

TEST_F(ResultsFormTest, ALongListFitsTheScreenWithItsFrameAndScrollsByKeysAndWheel)
{
    show("Many", 120);
    const int h = results.line_height();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(results.y() + results.style()->pixelMetric(QStyle::PM_TitleBarHeight) + results.height(), screen.bottom() + 1);
    EXPECT_GE(results.y(), screen.top());
    EXPECT_LT(results.client_height(), results.line_count() * h);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Down, h},        {Qt::Key_PageDown, 11 * h}, {Qt::Key_Up, 10 * h},
                                            {Qt::Key_PageUp, 0},      {Qt::Key_End, bar()->maximum()},
                                            {Qt::Key_Home, 0},        {Qt::Key_A, 0}};
    for (const auto& [key, value] : keys) {
        QTest::keyClick(&results, key);
        EXPECT_EQ(bar()->value(), value) << key;
    }
    QWidget* view = results.findChild<QWidget*>("results_view");
    for (const int delta : {-120, 120}) {
        QWheelEvent wheel({10, 10}, view->mapToGlobal(QPointF(10, 10)), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
        EXPECT_EQ(bar()->value(), delta < 0 ? QApplication::wheelScrollLines() * h : 0);
    }
}

TEST_F(ResultsFormTest, PaintingDrawsOnlyTheVisibleLinesWithHeadingsBold)
{
    show("Many", 60);
    const int h = results.line_height();
    const int visible = results.client_height() / h;
    recording_canvas top;
    results.FormPaint(top);
    ASSERT_GE(top.texts.size(), 2u);
    EXPECT_EQ(std::tuple(top.texts[0].y, top.texts[0].bold, top.texts[0].text, top.texts[1].bold),
              std::tuple(h, true, "   " + titles.get_exercise_title(1), false));
    bar()->setValue(100 * h);
    recording_canvas scrolled;
    results.FormPaint(scrolled);
    ASSERT_FALSE(scrolled.texts.empty());
    EXPECT_LE(scrolled.texts.size(), static_cast<std::size_t>(visible + 2));
    for (const auto& line : scrolled.texts)
        EXPECT_TRUE(line.y >= 0 && line.y <= results.client_height() + h) << line.y;
}

TEST_F(ResultsFormTest, ALongListPrintsEveryResultOnceWithTheCaptionOnTheFirstPageOnly)
{
    show("Printed", 40);
    EXPECT_TRUE(printed([&] { results.print_menu_itemClick(); }, false).empty());
    const std::vector<std::string> pages = printed([&] { results.print_menu_itemClick(); });
    ASSERT_GE(pages.size(), 2u);
    std::size_t results_printed = 0, captions = 0;
    for (const std::string& page : pages) {
        results_printed += occurrences(page, entry(6));
        captions += occurrences(page, "Printed");
    }
    EXPECT_EQ(std::tuple(results_printed, captions, occurrences(pages[0], "Printed")), std::tuple(40u, 1u, 1u));
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsFormTest, AMissingFileShowsOnlyTheCaption)
{
    show("Nobody", -1);
    recording_canvas canvas;
    results.FormPaint(canvas);
    results.copy_menu_itemClick();
    EXPECT_EQ(std::tuple(results.line_count(), results.windowTitle().toStdString(), canvas.texts.size(),
                         platform::clipboard_text()),
              std::tuple(0, entry(1) + "Nobody", 0u, ""));
    EXPECT_GE(responder.count(), 1u);
}
