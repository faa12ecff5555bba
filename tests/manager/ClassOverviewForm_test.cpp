#include "foundation/texts.h"
#include "foundation/widgets/qt_text.h"
#include "manager/ClassOverviewForm.h"
#include "manager/RFM_MainForm.h"
#include "platform/widgets/canvas_widget.h"
#include "platform/widgets/printing.h"
#include "class_overview/class_overview_charts.h"
#include "class_overview/class_overview_table.h"
#include "tests/manager/gui_fixture.h"
#include "tests/support/pdf_text.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;
using namespace class_overview;
using namespace manager;

class ClassOverviewTest : public gui_fixture {
protected:
    void TearDown() override
    {
        platform::set_print_dialog_answer({});
        gui_fixture::TearDown();
    }
    void make(const std::string& name, int results)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", true, true, true, true));
        for (int i = 0; i < results; ++i)
            ASSERT_TRUE(student_data_files->add_result(name, 1 + i % 9, 46000.5 + i, 46000.51 + i, 1 + i % 3, 6, i % 7));
    }
    // Shows the window from the main window's menu; `look` sees it while it is open.
    void open_from_menu(const std::function<void(TClassOverviewForm&)>& look)
    {
        TRFM_MainForm form;
        form.show();
        QAction* item = form.findChild<QAction*>("class_overview_menu_item");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), qt(text_of(text_names::class_overview::caption) + "..."));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<TClassOverviewForm*>(QApplication::activeModalWidget());
            if (window) {
                seen = true;
                look(*window);
                window->accept();
            }
        });
        item->trigger();
        EXPECT_TRUE(seen);
    }
};

TEST_F(ClassOverviewTest, TheMenuShowsTheListsStudentsInTheTableAndTheCharts)
{
    make("Bravo Student", 12);
    make("Alpha Student", 5);
    make("Charlie Student", 0);
    open_from_menu([&](TClassOverviewForm& window) {
        const auto* table = window.findChild<QTableWidget*>("overview_table");
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(window.overview().students.size(), 3u);
        EXPECT_EQ(window.overview().students[0].name, "Alpha Student") << "in the list's order";
        const auto rows = overview_rows(window.overview());
        ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
        for (std::size_t s = 0; s < 3; ++s) {
            const std::string& name = window.overview().students[s].name;
            const int total_row = static_cast<int>(s) * 10 + 9;
            EXPECT_EQ(table->item(static_cast<int>(s) * 10, 0)->text().toStdString(), name);
            EXPECT_EQ(table->item(total_row, 3)->text().toLong(), student_data_files->sum_results(name).total_objects);
            EXPECT_EQ(table->item(total_row, 4)->text().toLong(), student_data_files->sum_results(name).total_correct);
        }
        auto* tabs = window.findChild<QTabWidget*>("overview_tabs");
        tabs->setCurrentIndex(2);
        auto* students = window.findChild<platform::canvas_widget*>("student_chart");
        ASSERT_NE(students, nullptr);
        QApplication::processEvents();
        // Two students with correct answers, two orange bars down the chart.
        int bars = 0;
        const auto& image = students->canvas().image();
        for (int y = 1, x = image.width() / 3; y < image.height(); ++y)
            bars += students->canvas().pixel(x, y) == student_bar_colour && students->canvas().pixel(x, y - 1) != student_bar_colour;
        EXPECT_EQ(bars, 2);
        std::filesystem::create_directories(std::string(WINTOLA_BIN_DIR) + "/../screenshots");
        tabs->setCurrentIndex(1);
        QApplication::processEvents();
        window.grab().save(QString(WINTOLA_BIN_DIR) + "/../screenshots/class_overview.png");
    });
}

TEST_F(ClassOverviewTest, PrintingGivesNumberedPages)
{
    for (int k = 0; k < 12; ++k)
        make("Student number " + std::to_string(10 + k), 3 + k);
    const std::string pdf = program.file("overview.pdf");
    platform::set_print_dialog_answer([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    open_from_menu([](TClassOverviewForm& window) { window.print_buttonClick(); });
    const std::vector<std::string> pages = test_support::pdf_page_texts(pdf);
    ASSERT_GT(pages.size(), 2u);
    for (std::size_t p = 0; p < pages.size(); ++p)
        EXPECT_NE(pages[p].find("Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size())), std::string::npos);
    EXPECT_NE(pages[0].find("Student number 10"), std::string::npos);
    EXPECT_EQ(responder.boxes().size(), 0u);
}
