#include "class_overview/class_overview_charts.h"
#include "class_overview/class_overview_table.h"
#include "manager/ClassOverviewForm.h"
#include "manager/RFM_MainForm.h"
#include "platform/widgets/canvas_widget.h"
#include "tests/manager/gui_fixture.h"

#include <QTabWidget>
#include <QTableWidget>

using namespace student_files;
using namespace class_overview;
using namespace manager;

class ClassOverviewTest : public gui_fixture {
protected:
    // Shows the window from the main window's menu; `look` sees it while it is open.
    void open_from_menu(const std::function<void(TClassOverviewForm&)>& look)
    {
        TRFM_MainForm form;
        form.show();
        QAction* item = form.findChild<QAction*>("class_overview_menu_item");
        EXPECT_EQ(modal_opened_by([&] { item->trigger(); }, [&](QWidget& w) { look(dynamic_cast<TClassOverviewForm&>(w)); }),
                  "ClassOverviewForm");
    }
};

TEST_F(ClassOverviewTest, TheMenuShowsTheListsStudentsInTheTableAndTheCharts)
{
    make("Bravo Student", 12);
    make("Alpha Student", 5);
    make("Charlie Student", 0);
    open_from_menu([&](TClassOverviewForm& window) {
        const auto* table = window.findChild<QTableWidget*>("overview_table");
        ASSERT_EQ(window.overview().students.size(), 3u);
        ASSERT_EQ(table->rowCount(), static_cast<int>(overview_rows(window.overview()).size()));
        for (int s = 0; s < 3; ++s) {
            const std::string& name = window.overview().students[static_cast<std::size_t>(s)].name;
            const results_sums sums = student_data_files->sum_results(name);
            EXPECT_EQ(std::tuple(table->item(s * 10, 0)->text().toStdString(), table->item(s * 10 + 9, 3)->text().toLong(),
                                 table->item(s * 10 + 9, 4)->text().toLong()),
                      std::tuple(name, sums.total_objects, sums.total_correct));
        }
        EXPECT_EQ(window.overview().students[0].name, "Alpha Student") << "in the list's order";
        window.findChild<QTabWidget*>("overview_tabs")->setCurrentIndex(2);
        QApplication::processEvents();
        // Two students with correct answers, two orange bars down the chart.
        const auto& chart = window.findChild<platform::canvas_widget*>("student_chart")->canvas();
        int bars = 0;
        for (int y = 1, x = chart.width() / 3; y < chart.height(); ++y)
            bars += chart.pixel(x, y) == student_bar_colour && chart.pixel(x, y - 1) != student_bar_colour;
        EXPECT_EQ(bars, 2);
    });
}

TEST_F(ClassOverviewTest, PrintingGivesNumberedPages)
{
    for (int k = 0; k < 12; ++k)
        make("Student number " + std::to_string(10 + k), 3 + k);
    std::vector<std::string> pages;
    open_from_menu([&](TClassOverviewForm& window) { pages = printed([&] { window.print_buttonClick(); }); });
    ASSERT_GT(pages.size(), 2u);
    EXPECT_NE(pages.back().find("Page " + std::to_string(pages.size()) + " of " + std::to_string(pages.size())), std::string::npos);
    EXPECT_NE(pages[0].find("Student number 10"), std::string::npos);
    EXPECT_EQ(responder.count(), 0u);
}
