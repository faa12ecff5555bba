#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "program_shell/program_windows.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/pupil_login.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

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

// The program's start in a folder that holds what a teacher finds beside it.
class ProgramStartUp : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        test_support::put_program_files(program);
        start_up_program(program.file("students_manager"));
    }
    void TearDown() override
    {
        guidance.reset();
        student_data_files.reset();
        set_projection_convention(false);
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
};

// The tutor's main window hidden with the catalogue loaded; each window
// opens the windows the application object handed it.
TEST_F(ProgramStartUp, CreatesTheWindowsAndWiresThem)
{
    ASSERT_TRUE(guidance);
    EXPECT_TRUE(guidance->file_ok()) << "the shipped guidance compiles";
    ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", false, false, false, true));
    application program;
    EXPECT_FALSE(program.tutor_main_form.isVisible() || program.exercise_d_form.isVisible()
                 || program.tutor_main_form.findChild<QTimer*>("wait_until_ready_timer")->isActive())
        << "hidden, it starts no login";
    EXPECT_GT(last_object_number, 5);
    EXPECT_GE(program.tutor_main_form.catalogue().count(), 2u);
    EXPECT_EQ(program.tutor_main_form.findChild<QComboBox*>("object_class_combobox")->count(),
              static_cast<int>(program.tutor_main_form.catalogue().count()));
    EXPECT_EQ(program.exercise_d_form.get_exercise_title(1), "Colouring surfaces");
    EXPECT_EQ(responder.count(), 0u);
    program.main_form.fill_student_list();
    program.main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
    const std::tuple<QWidget&, const char*, const char*> openings[] = {
        {program.main_form, "edit_button", "EditResultsFileDialog"},
        {program.main_form, "results_button", "ResultsForm"},
        {program.main_form, "concise_results_for_all_Button", "ConciseResultsForAllStudentsDialog"},
        {program.main_form, "about_menu_item", "AboutStudentsManagerForm"},
        {program.main_form, "add_student_button", "CreateResultsFileDialog"},   // last: it leaves no student selected
        {program.tutor_main_form, "results_menu_item", "ResultsForm"},   // the manager's results window for the pupil
        {program.tutor_main_form, "exercise_1_menu_item", "ExerciseDForm"},
        {program.tutor_main_form, "exercise_8_menu_item", "construction_window"},
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
