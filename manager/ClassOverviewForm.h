#pragma once
// The class overview of the students in the manager's list: a table per
// student and exercise with the class average, a chart per exercise and
// level and one per student, each on a tab; printed on as many pages as
// it needs. Told its students just before it is shown.

#include "platform/core/canvas.h"
#include "class_overview/class_overview.h"
#include "class_overview/class_overview_charts.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

namespace platform {
class canvas_widget;
}
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace manager {

class TClassOverviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TClassOverviewForm(QWidget* parent = nullptr);

    // Reads the students' results files, in the order given.
    void tell_students_before_show(const std::vector<std::string>& names);
    const class_overview::class_overview& overview() const { return overview_; }
    void print_buttonClick();

private:
    using chart_drawing = std::function<void(platform::Canvas&, const class_overview::chart_area&)>;

    void fill_table();
    platform::canvas_widget* chart_widget(const char* name, chart_drawing draw);
    static QWidget* scrolled(QWidget* chart);

    class_overview::class_overview overview_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* table_ = nullptr;
    platform::canvas_widget* exercise_chart_ = nullptr;
    platform::canvas_widget* student_chart_ = nullptr;
    QPushButton* OKBtn_ = nullptr;
    QPushButton* print_button_ = nullptr;
};

} // namespace manager
