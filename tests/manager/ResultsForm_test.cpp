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

using namespace foundation;
using namespace tutor::windows;
using namespace manager;

namespace {

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
        titles_ = std::make_unique<TExerciseDForm>();
        results_ = std::make_unique<TResultsForm>();
        results_->wire_windows(*titles_);
    }
    void show(const std::string& name, int count)
    {
        if (count >= 0)
            make(name, count);
        results_->tell_pupil_name_before_FormShow(name);
        results_->show();
    }
    std::string entry(int k) { return text_handler->read_entry("RESULTS_WINDOW", k); }
    QScrollBar* bar() { return results_->findChild<QScrollBar*>("VertScrollBar"); }

    std::unique_ptr<TExerciseDForm> titles_;
    std::unique_ptr<TResultsForm> results_;
};

TEST_F(ResultsFormTest, TheResultsButtonShowsTheSelectedStudentsLinesAndCopiesThem)
{
    make("Zoe", 0);
    make("Adam", 2);
    TRFM_MainForm main_form;
    main_form.show();
    main_form.wire_windows({.results_form = results_.get()});
    main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    QString caption;
    int lines = 0, client = 0;
    QTimer::singleShot(0, [&] {
        std::tie(caption, lines, client) = std::tuple(results_->windowTitle(), results_->line_count(), results_->client_height());
        results_->copy_menu_itemClick();
        QTest::keyClick(results_.get(), Qt::Key_Escape);   // the exit item's shortcut
    });
    main_form.findChild<QPushButton*>("results_button")->click();
    EXPECT_EQ(std::tuple(results_->isVisible(), caption.toStdString(), lines, client, results_->line_count()),
              std::tuple(false, entry(1) + "Adam", 27 + 2 * 6, lines * results_->line_height(), 0));
    const std::string copied = platform::clipboard_text();
    EXPECT_EQ(copied.rfind("   " + titles_->get_exercise_title(1) + "\r\n", 0), 0u);
    EXPECT_NE(copied.find("\r\n" + entry(3) + " 0:04:00\r\n" + entry(4) + "1\r\n"), std::string::npos);
    EXPECT_EQ(occurrences(copied, "\r\n"), static_cast<std::size_t>(lines - 1));
}

TEST_F(ResultsFormTest, ALongListFitsTheScreenWithItsFrameAndScrollsByKeys)
{
    show("Many", 120);
    const int h = results_->line_height();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(results_->y() + results_->style()->pixelMetric(QStyle::PM_TitleBarHeight) + results_->height(), screen.bottom() + 1);
    EXPECT_GE(results_->y(), screen.top());
    EXPECT_LT(results_->client_height(), results_->line_count() * h);
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Down, h},        {Qt::Key_PageDown, 11 * h}, {Qt::Key_Up, 10 * h},
                                            {Qt::Key_PageUp, 0},      {Qt::Key_End, bar()->maximum()},
                                            {Qt::Key_Home, 0},        {Qt::Key_A, 0}};
    for (const auto& [key, value] : keys) {
        QTest::keyClick(results_.get(), key);
        EXPECT_EQ(bar()->value(), value) << key;
    }
}

TEST_F(ResultsFormTest, ALongListPrintsEveryResultOnceWithTheCaptionOnTheFirstPageOnly)
{
    show("Printed", 40);
    EXPECT_TRUE(printed([&] { results_->print_menu_itemClick(); }, false).empty());
    const std::vector<std::string> pages = printed([&] { results_->print_menu_itemClick(); });
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
    results_->copy_menu_itemClick();
    EXPECT_EQ(std::tuple(results_->line_count(), results_->windowTitle().toStdString(), platform::clipboard_text()),
              std::tuple(0, entry(1) + "Nobody", ""));
    EXPECT_GE(responder.count(), 1u);
}
