#include "manager/ClassOverviewForm.h"

#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "platform/widgets/canvas_widget.h"
#include "platform/widgets/printer_canvas.h"
#include "platform/widgets/printing.h"
#include "class_overview/class_overview_charts.h"
#include "class_overview/class_overview_print.h"
#include "class_overview/class_overview_table.h"
#include "student_files/student_data_files.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;
using namespace class_overview;

namespace manager {

namespace {

using overview_entry = text_names::class_overview;

constexpr int chart_font_height = 14;
constexpr int chart_margin = 10;
constexpr int exercise_chart_height = 420;

chart_area area_inside(const QWidget& chart)
{
    return {chart_margin, chart_margin, chart.width() - 2 * chart_margin, chart.height() - 2 * chart_margin};
}

} // namespace

TClassOverviewForm::TClassOverviewForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ClassOverviewForm");
    setWindowTitle(qt(overview_text(overview_entry::caption)));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("overview_tabs");
    table_ = new QTableWidget(tabs_);
    table_->setObjectName("overview_table");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    tabs_->addTab(table_, qt(overview_text(overview_entry::table_tab)));
    exercise_chart_ = chart_widget("exercise_chart", [this](platform::Canvas& canvas, const chart_area& area) {
        draw_exercise_chart(canvas, area, chart_font_height, overview_);
    });
    exercise_chart_->setMinimumHeight(exercise_chart_height);
    student_chart_ = chart_widget("student_chart", [this](platform::Canvas& canvas, const chart_area& area) {
        draw_student_chart(canvas, area, chart_font_height, overview_, 0, overview_.students.size());
    });
    tabs_->addTab(scrolled(exercise_chart_), qt(overview_text(overview_entry::exercises_tab)));
    tabs_->addTab(scrolled(student_chart_), qt(overview_text(overview_entry::students_tab)));

    OKBtn_ = new QPushButton(qt(overview_text(overview_entry::ok_button)), this);
    OKBtn_->setObjectName("OKBtn");
    print_button_ = new QPushButton(qt(overview_text(overview_entry::print_caption)), this);
    print_button_->setAutoDefault(true);
    print_button_->setObjectName("print_button");
    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_button_, &QPushButton::clicked, this, [this] { print_buttonClick(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn_);
    buttons->addWidget(print_button_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    resize(760, 560);
}

platform::canvas_widget* TClassOverviewForm::chart_widget(const char* name, chart_drawing draw)
{
    auto* chart = new platform::canvas_widget;
    chart->setObjectName(name);
    chart->paint = [chart, draw = std::move(draw)](platform::Canvas& canvas) { draw(canvas, area_inside(*chart)); };
    return chart;
}

QWidget* TClassOverviewForm::scrolled(QWidget* chart)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(chart);
    return scroll;
}

void TClassOverviewForm::tell_students_before_show(const std::vector<std::string>& names)
{
    overview_ = student_data_files ? build_class_overview(*student_data_files, names) : class_overview::class_overview{};
    for (const student_overview& student : overview_.students)
        show_if_failed(student.status);
    fill_table();
    student_chart_->setMinimumHeight(student_chart_height(chart_font_height, overview_.students.size())
                                     + 2 * chart_margin);
    for (platform::canvas_widget* chart : {exercise_chart_, student_chart_})
        chart->repaint_picture();
}

void TClassOverviewForm::fill_table()
{
    const std::vector<overview_cells> rows = overview_rows(overview_);
    const overview_cells headings = overview_headings();
    table_->clear();
    table_->setColumnCount(static_cast<int>(overview_columns));
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t c = 0; c < overview_columns; ++c)
        table_->setHorizontalHeaderItem(static_cast<int>(c), new QTableWidgetItem(qt(headings[c])));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < overview_columns; ++c) {
            auto* item = new QTableWidgetItem(qt(rows[r][c]));
            item->setTextAlignment((c < 2 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    table_->resizeColumnsToContents();
}

void TClassOverviewForm::print_buttonClick()
{
    if (!platform::run_print_dialog(this))
        return;
    platform::printer_canvas canvas(platform::program_printer());
    if (canvas.started())
        print_class_overview({canvas, canvas.page_width(), canvas.page_height(), [&canvas] { canvas.new_page(); }},
                             overview_, windowTitle().toStdString());
    if (!canvas.end())
        report_print_failure();
}

} // namespace manager
