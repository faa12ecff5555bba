#include "geometry/model/object_files.h"
#include "tests/program_shell/program_fixture.h"
#include "tutor/engine/pupil_login.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

using namespace foundation;
using namespace student_files;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;
using namespace tutor::windows;
using namespace manager;
using namespace program_shell;

namespace {

// The objectName of the modal window `act` opens, closed again.
QString modal_opened_by(const std::function<void()>& act)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            modal->close();
        }
    });
    act();
    return shown;
}

} // namespace

using ProgramStartUp = program_fixture<>;

// The tutor's main window hidden with the catalogue loaded; each window
// opens the windows the application object handed it.
TEST_F(ProgramStartUp, CreatesTheWindowsAndWiresThem)
{
    ASSERT_TRUE(guidance);
    EXPECT_TRUE(guidance->file_ok()) << "the shipped guidance compiles";
    ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", false, false, false, true));
    windows = std::make_unique<application>();
    application& app = *windows;
    EXPECT_FALSE(app.tutor_main_form.isVisible() || app.exercise_d_form.isVisible()
                 || app.tutor_main_form.findChild<QTimer*>("wait_until_ready_timer")->isActive())
        << "hidden, it starts no login";
    EXPECT_GT(last_object_number, 5);
    EXPECT_GE(app.tutor_main_form.catalogue().count(), 2u);
    EXPECT_EQ(app.tutor_main_form.findChild<QComboBox*>("object_class_combobox")->count(),
              static_cast<int>(app.tutor_main_form.catalogue().count()));
    EXPECT_EQ(app.exercise_d_form.get_exercise_title(1), "Colouring surfaces");
    EXPECT_EQ(responder.count(), 0u);
    app.main_form.fill_student_list();
    app.main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    const std::tuple<QWidget&, const char*, const char*> openings[] = {
        {app.main_form, "edit_button", "EditResultsFileDialog"},
        {app.main_form, "results_button", "ResultsForm"},
        {app.main_form, "concise_results_for_all_Button", "ConciseResultsForAllStudentsDialog"},
        {app.main_form, "about_menu_item", "AboutStudentsManagerForm"},
        {app.main_form, "add_student_button", "CreateResultsFileDialog"},   // last: it leaves no student selected
        {app.tutor_main_form, "results_menu_item", "ResultsForm"},   // the manager's results window for the pupil
        {app.tutor_main_form, "exercise_1_menu_item", "ExerciseDForm"},
        {app.tutor_main_form, "exercise_8_menu_item", "construction_window"},
    };
    for (const auto& [window, control, opened] : openings) {
        const QString shown = modal_opened_by([&] {
            if (auto* button = window.findChild<QPushButton*>(control))
                button->click();
            else
                window.findChild<QAction*>(control)->trigger();
        });
        EXPECT_EQ(shown.toStdString(), opened) << control;
    }
}
