#pragma once
// A program folder with the shipped settings, texts and sample object files
// and an empty student files directory, started up there as the program
// does before it creates its windows, with a scripted responder and an
// intercepted exit. Settings are changed before the window is made.

#include "foundation/widgets/form_helpers.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/MainForm.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/windows/exercise_windows.h"
#include "tutor/engine/guidance.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

template <class T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

inline void click(QWidget& window, const char* button)
{
    if (auto* b = child<QPushButton>(window, button))
        b->click();
}

inline void log_in_as(QWidget& login, const char* name, const char* password)
{
    child<QLineEdit>(login, "pupil_name_edit")->setText(name);
    child<QLineEdit>(login, "password_edit")->setText(password);
    click(login, "OK_button");
}

// An exercise window whose pupil is always right; it records the objects installed.
class recording_exercise_window : public tutor::windows::TPracticeForm {
public:
    using tutor::windows::TPracticeForm::TPracticeForm;
    void install_next_object(int object_number, bool) override { installed.push_back(object_number); }
    bool construction_OK() override { return true; }
    bool construction_incomplete() override { return false; }
    void show_wanted_parts() override {}
    std::vector<int> installed;
};

// Pixels of the image unlike its top left one.
inline int drawn_pixels(const QImage& image, int width, int height)
{
    int drawn = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            drawn += image.pixel(x, y) != image.pixel(0, 0);
    return drawn;
}

class MainFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
            std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
        for (const char* file : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
            std::filesystem::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + file, program.file(file));
        program.make_dir("RESULTS");
        foundation::start_up_foundation(program.file("tutor"));
        geometry::drawing::start_up_screen_drawing();
        geometry::drawing::start_up_kernel();
        geometry::drawing::start_up_projection_views();
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        for (const QPointer<QTimer>& watch : watches)
            delete watch.data();   // one a failed test left waiting
        exercises.reset();
        form.reset();
        tutor::engine::guidance.reset();
        student_files::student_data_files.reset();
        geometry::model::set_projection_convention(false);
    }

    void setting(const std::string& key, const std::string& value, const std::string& section = "GENERAL")
    {
        foundation::write_setting("", section, key, value);
    }
    std::string stored_setting(const std::string& key)
    {
        return foundation::read_setting("", "GENERAL", key, "<missing>");
    }
    // The guidance of the text; the pupil "Anna" (password "tulip") has a results file.
    void make_guidance(const std::string& text, bool guidance_on, bool store_test_results = true)
    {
        tutor::engine::guidance = std::make_unique<tutor::engine::Tguidance_object>(text, "course.txt");
        ASSERT_TRUE(student_files::student_data_files->create_results_file("Anna", "tulip", guidance_on, true, true, store_test_results));
    }
    tutor::windows::TMainForm& make_form()
    {
        form = std::make_unique<tutor::windows::TMainForm>();
        return *form;
    }
    // The windows the form opens its exercises in: the colouring window
    // given and, with `drawing`, the drawing windows made for the form.
    tutor::windows::exercise_windows& wire_exercise_windows(tutor::windows::TPracticeForm* colouring, bool drawing)
    {
        exercises = std::make_unique<tutor::windows::exercise_windows>(colouring, drawing ? form.get() : nullptr);
        form->wire_windows({.exercises = exercises.get()});
        return *exercises;
    }
    // Shown without the login its timer would open.
    void show_form()
    {
        form->show();
        form->findChild<QTimer*>("wait_until_ready_timer")->stop();
    }
    template <class T>
    T* control(const char* name)
    {
        T* found = form->findChild<T*>(name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    QAction* item(const char* name) { return control<QAction>(name); }
    std::string caption(const char* name) { return foundation::without_mnemonic(item(name)->text().toStdString()); }
    QTimer& timer() { return *form->findChild<QTimer*>("wait_until_ready_timer"); }

    // Runs `act` on the next modal window once it is open (inside its own
    // event loop); the name of each modal window met is recorded.
    void when_modal(std::function<void(QWidget&)> act)
    {
        auto* watch = new QTimer;
        watches.emplace_back(watch);
        watch->setInterval(5);
        QObject::connect(watch, &QTimer::timeout, [this, watch, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            watch->stop();
            watch->deleteLater();
            modal_windows.push_back(modal->objectName().toStdString());
            act(*modal);
        });
        watch->start();
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    platform::throwing_exit_guard exit_guard;
    std::unique_ptr<tutor::windows::TMainForm> form;
    std::unique_ptr<tutor::windows::exercise_windows> exercises;
    std::vector<std::string> modal_windows;
    std::vector<QPointer<QTimer>> watches;
};
