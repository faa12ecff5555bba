#include "foundation/startup.h"
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

using namespace student_files;
using namespace geometry::model;
using namespace tutor::engine;
using namespace tutor::windows;
using namespace program_shell;

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

TEST_F(ProgramStartUp, CreatesTheTutorMainWindowHiddenWithTheCatalogueLoaded)
{
    ASSERT_TRUE(guidance);
    EXPECT_TRUE(guidance->file_ok()) << "the shipped guidance compiles";
    {
        application windows;
        EXPECT_FALSE(windows.tutor_main_form.isVisible());
        EXPECT_FALSE(windows.exercise_d_form.isVisible());
        EXPECT_FALSE(windows.tutor_main_form.findChild<QTimer*>("wait_until_ready_timer")->isActive())
            << "hidden, it starts no login";
        EXPECT_GT(last_object_number, 5);
        EXPECT_GE(windows.tutor_main_form.catalogue().count(), 2u);
        EXPECT_EQ(windows.tutor_main_form.findChild<QComboBox*>("object_class_combobox")->count(),
                  static_cast<int>(windows.tutor_main_form.catalogue().count()));
        EXPECT_EQ(windows.exercise_d_form.get_exercise_title(1), "Colouring surfaces");
        EXPECT_EQ(responder.count(), 0u);

        // The tutor's results item opens the manager's results window for the pupil.
        ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", false, false, false, true));
        ASSERT_TRUE(log_in_pupil("Anna", "tulip"));
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        windows.tutor_main_form.findChild<QAction*>("results_menu_item")->trigger();
        EXPECT_EQ(shown, "ResultsForm");
    }
}

// Each window opens the windows the application object handed it.
TEST_F(ProgramStartUp, EachWindowOpensTheWindowsItIsHanded)
{
    ASSERT_TRUE(student_data_files->create_results_file("Anna", "tulip", false, false, false, true));
    application program;
    program.main_form.fill_student_list();
    program.main_form.findChild<QListWidget*>("students_ListBox")->setCurrentRow(0);
    const struct {
        QWidget& window;
        const char* control;
        const char* opened;
    } openings[] = {
        {program.main_form, "edit_button", "EditResultsFileDialog"},
        {program.main_form, "results_button", "ResultsForm"},
        {program.main_form, "concise_results_for_all_Button", "ConciseResultsForAllStudentsDialog"},
        {program.main_form, "about_menu_item", "AboutStudentsManagerForm"},
        {program.main_form, "add_student_button", "CreateResultsFileDialog"},   // last: it leaves no student selected
        {program.tutor_main_form, "exercise_1_menu_item", "ExerciseDForm"},
        {program.tutor_main_form, "exercise_8_menu_item", "construction_window"},
    };
    for (const auto& opening : openings) {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        if (auto* button = opening.window.findChild<QPushButton*>(opening.control))
            button->click();
        else
            opening.window.findChild<QAction*>(opening.control)->trigger();
        EXPECT_EQ(shown.toStdString(), opening.opened) << opening.control;
    }
}
