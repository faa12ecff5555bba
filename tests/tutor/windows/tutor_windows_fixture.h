#pragma once
// The tutor's windows in a program folder with a student files directory and
// a scripted responder: a practice window whose judging the test decides and
// a main window that records what it is asked; exercise windows on the sample
// objects; the main window started up as the program does; the pupil's hand.

#include "foundation/settings.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "foundation/widgets/form_helpers.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "geometry/model/screen_metrics.h"
#include "platform/core/beep.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "platform/widgets/canvas_widget.h"
#include "student_files/student_data_files.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/pupil_login.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/ExerciseDForm.h"
#include "tutor/windows/ExerciseForm.h"
#include "tutor/windows/MainForm.h"
#include "tutor/windows/exercise_windows.h"
#include "tutor/windows/practice_main_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace pupil {

inline platform::canvas_widget& client(tutor::windows::TPracticeForm& window)
{
    return *window.findChild<platform::canvas_widget*>("client_area");
}

inline void click(tutor::windows::TPracticeForm& window, foundation::Tinteger_point p,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(&client(window), Qt::LeftButton, modifiers, QPoint(p.x, p.y));
}

inline void press(QWidget& window, const char* name)
{
    auto* b = window.findChild<QPushButton*>(name);
    ASSERT_TRUE(b && !b->isHidden()) << name;
    b->click();
}

inline void choose_tool(tutor::windows::TExerciseForm& window, int code)
{
    for (int i = 1; i <= tutor::windows::TExerciseControls::tool_count; ++i)
        if (const tutor::windows::TExerciseControls::tool& t = window.palette().tool_of(i); t.code == code)
            click(window, {(t.rectangle.left + t.rectangle.right) / 2, (t.rectangle.top + t.rectangle.bottom) / 2});
    ASSERT_EQ(window.palette().current_tool(), code);
}

// A run of lines ended by clicking its end again; the clicks a pixel beside
// the points, where snapping finds them.
inline void draw_line(tutor::windows::TExerciseForm& window, const tutor::engine::Tconstruction_line& line)
{
    using namespace tutor::windows;
    choose_tool(window, line.kind == tutor::engine::dashed_kind ? dashed_line_tool : solid_line_tool);
    click(window, {line.from.x + 1, line.from.y});
    click(window, {line.to.x, line.to.y + 1});
    if (window.kind() != tutor::windows::exercise_kind::indicate)
        click(window, line.to);
}

inline void draw_surface(tutor::windows::TExerciseForm& window, const tutor::engine::Tconstruction_surface& surface)
{
    choose_tool(window, tutor::windows::surface_tool);
    for (int i = 0; i < surface.corner_count; ++i)
        click(window, surface.corners[static_cast<std::size_t>(i)]);
    click(window, surface.corners[0]);
}

// Everything area k wants, drawn by mouse.
inline void draw_wanted(tutor::windows::TExerciseForm& window, int k)
{
    const tutor::engine::Tconstruction_items wanted = window.area(k).record.wanted;
    for (const tutor::engine::Tconstruction_line& line : wanted.line_list())
        draw_line(window, line);
    for (const tutor::engine::Tconstruction_surface& surface : wanted.surface_list())
        draw_surface(window, surface);
    for (foundation::Tinteger_point p : wanted.marked_points()) {
        choose_tool(window, tutor::windows::solid_line_tool);
        click(window, p);
        click(window, p);
    }
}

inline void log_in_as(QWidget& login, const char* name, const char* password)
{
    login.findChild<QLineEdit*>("pupil_name_edit")->setText(name);
    login.findChild<QLineEdit*>("password_edit")->setText(password);
    press(login, "OK_button");
}

} // namespace pupil

inline const char* const practice_texts =
    "$[PRACTICE_STATUS]\nExercise mode\nTest mode\nLevel\nObject\ncorrect\n"
    "$[PRACTICE_GENERAL]\nIncomplete.\nWrong.\nRight.\n"
    "$[PRACTICE_RESULTS]\nGood.\nPerfect.\nObjects: \nCorrect: \n"
    "$[PRACTICE_END_OF_EXERCISE_MESSAGES]\nTest now?\nPractise again?\nNext exercise?\nAll done.\n"
    "$[PRACTICE_BUTTONS]\nReady\nShow\nPrevious\nNext\nOK\nNext object\n"
    "$[GUIDANCE_MENU_EXIT_PROGRAM]\nExit\n"
    "$[TERMINATION_MESSAGE]\nStop?\nReally?\n"
    "$[PRACTICE_CONSTR_TECH_PROJ_CAPTION]\nThree views\n"
    "$[PRACTICE_CONSTR_TECH_PROJ_INSTR]\nLine one\nLine two\nLine three\n"
    "$[END_OF_GUIDANCE]\nThe end.\n"
    "$[RESULTS_ERROR_MESSAGES]\nQ1 \n Q2\nCannot use it\nIO \n at \n-\n";

class fake_main_window : public tutor::windows::practice_main_window {
public:
    bool is_enabled() const override { return enabled; }
    QRect window_rect() const override { return {100, 50, 800, 600}; }
    void start_wait_until_ready_timer(int tag) override { timer_tags.push_back(tag); }
    std::string guidance_menu_caption() const override { return "Guidance"; }
    std::string switch_guidance_caption() const override { return "Switch guidance off"; }
    std::string start_guidance_again_caption() const override { return "Start again"; }
    void click_theory_menu_item(int) override {}
    void click_exercise_menu_item(int exercise) override { opened_exercises.push_back(exercise); }
    void set_test_mode(bool test) override { test_modes.push_back(test); }
    void set_practice_level(int) override {}
    void update_switch_guidance_caption() override {}
    void close_by_guidance() override {}

    bool enabled = true;
    std::vector<int> timer_tags, opened_exercises;
    std::vector<bool> test_modes;
};

// Judges as the test says: 0 wrong, 1 incomplete, 2 right.
class scripted_practice_form : public tutor::windows::TPracticeForm {
public:
    using tutor::windows::TPracticeForm::TPracticeForm;

    void install_next_object(int object_number, bool later) override { installed.push_back({object_number, later}); }
    bool construction_OK() override { return verdict == 2; }
    bool construction_incomplete() override { return verdict == 1; }
    void show_wanted_parts() override { ++solutions_shown; }
    void remove_wanted_parts() override { ++solutions_removed; }

    int verdict = 2;
    std::vector<std::pair<int, bool>> installed;
    int solutions_shown = 0, solutions_removed = 0;
};

// Widgets, a program folder made current, RESULTS and the student files.
class tutor_folder_test : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        program.make_dir("RESULTS");
    }
    void copy_shipped(std::initializer_list<const char*> data_files)
    {
        for (const char* file : data_files)
            std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
        for (const char* file : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
            std::filesystem::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + file, program.file(file));
    }

    // The guidance of the text; the pupil "Anna" (password "tulip") has a results file.
    void make_guidance(const std::string& text, bool guidance_on, bool store_tests = true)
    {
        tutor::engine::guidance = std::make_unique<tutor::engine::Tguidance_object>(text, "course.txt");
        ASSERT_TRUE(student_files::student_data_files->create_results_file("Anna", "tulip", guidance_on, true, true,
                                                                           store_tests));
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
};

class PracticeFormTest : public tutor_folder_test {
protected:
    void SetUp() override
    {
        tutor_folder_test::SetUp();
        test_support::reset_globals_to(program.path());
        std::string problem;
        using foundation::Ttextfile_handler;
        foundation::text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(practice_texts, problem));
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
        saved_table = geometry::model::exercise_object_table;
        saved_last = std::exchange(geometry::model::last_object_number, 9);
        select_objects(8, 1, {2, 5, 7});
    }
    void TearDown() override
    {
        form.reset();
        tutor::engine::guidance.reset();
        geometry::model::exercise_object_table = saved_table;
        geometry::model::last_object_number = saved_last;
        student_files::student_data_files.reset();
        foundation::text_handler.reset();
    }

    // The selection of an exercise at a level.
    void select_objects(int exercise, int level, std::initializer_list<int> numbers)
    {
        geometry::model::Texercise_cell& cell =
            geometry::model::exercise_object_table[static_cast<std::size_t>(tutor::engine::exercise_group(exercise))]
                                                  [static_cast<std::size_t>(level)];
        cell = {};
        for (int n : numbers)
            cell.objects.set(static_cast<std::size_t>(n));
        cell.count = static_cast<int>(numbers.size());
    }
    // A form with a fixed random start, set up for the exercise and shown.
    scripted_practice_form& open(int exercise, int level, bool test_mode)
    {
        form = std::make_unique<scripted_practice_form>(&main_window);
        form->set_random_source([](int) { return 0; });
        form->init_before_show(exercise, level, test_mode);
        form->install_first_object();
        form->show();
        return *form;
    }
    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(name); }
    // Answers with the verdicts, then closes with the answer; the closing box's text.
    std::string answer_and_close(const std::vector<int>& verdicts, int closing_answer)
    {
        for (int v : verdicts) {
            form->verdict = v;
            click("ready_button");
        }
        responder.answer_next(closing_answer);
        EXPECT_TRUE(form->close());
        return responder.last().text;
    }
    // The exercise the main window opens once the window has gone.
    std::vector<int> opened_next()
    {
        form->timer_start_exercise_when_this_one_closedTimer();
        return main_window.opened_exercises;
    }
    void click(const char* name) { pupil::press(*form, name); }
    // The pupil logged in, guidance on.
    void log_in(const std::string& guidance_text, bool store_test_results)
    {
        make_guidance(guidance_text, true, store_test_results);
        ASSERT_TRUE(tutor::engine::log_in_pupil("Anna", "tulip"));
    }

    fake_main_window main_window;
    std::unique_ptr<scripted_practice_form> form;
    geometry::model::Texercise_object_table saved_table;
    int saved_last = -1;
};

// Exercise windows on the sample objects, on a 4:3 screen, with the practice texts.
class ExerciseFormTest : public PracticeFormTest {
protected:
    void SetUp() override
    {
        PracticeFormTest::SetUp();
        copy_shipped({"WinTola.ini"});
        geometry::model::aspect = 1.0L;
        geometry::drawing::start_up_kernel();
        geometry::drawing::load_projection_symbols();
        geometry::model::set_view_labels({"Left", "Top", "Front", "Bottom", "Right", "Rear"});
        ASSERT_EQ(test_support::stop_message([&] { geometry::model::load_object_files(catalogue); }), "");
    }
    void TearDown() override
    {
        drawing.reset();
        colouring.reset();
        geometry::model::set_projection_convention(false);
        PracticeFormTest::TearDown();
    }

    // The exercise at the level uses this object alone.
    void only(int exercise, int level, const std::string& name)
    {
        select_objects(exercise, level, {});
        for (const auto& category : catalogue.categories)
            for (const auto& thing : category->things)
                if (thing->name == name)
                    select_objects(exercise, level, {thing->object_number});
    }
    // A drawing exercise's window, its chances all taking the first choice, set up by the call and shown.
    template <class Setup>
    tutor::windows::TExerciseForm& open(Setup&& setup)
    {
        drawing = std::make_unique<tutor::windows::TExerciseForm>(&main_window);
        drawing->set_random_source([](int) { return 0; });
        drawing->set_choice_source([](int) { return 0; });
        setup(*drawing);
        drawing->show();
        return *drawing;
    }
    std::string answer_to_ready(tutor::windows::TPracticeForm& window)
    {
        pupil::press(window, "ready_button");
        return responder.count() > 0 ? responder.last().text : "";
    }

    geometry::model::TThingCatCollection catalogue;
    std::unique_ptr<tutor::windows::TExerciseForm> drawing;
    std::unique_ptr<tutor::windows::TExerciseDForm> colouring;
};

// The main window's program folder with the shipped settings, texts and
// sample objects, started up as the program does before its windows, with
// an intercepted exit. Settings are changed before the window is made.
class MainFormTest : public tutor_folder_test {
protected:
    void SetUp() override
    {
        tutor_folder_test::SetUp();
        copy_shipped({"WinTola.ini", "WINTOLA.TXT"});
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

    void setting(const char* key, const char* value) { foundation::write_setting("", "GENERAL", key, value); }
    void make_form() { form = std::make_unique<tutor::windows::TMainForm>(); }
    // The colouring window given and, with `drawing`, the drawing windows made for the form.
    void wire_exercise_windows(tutor::windows::TPracticeForm* colouring, bool drawing)
    {
        exercises = std::make_unique<tutor::windows::exercise_windows>(colouring, drawing ? form.get() : nullptr);
        form->wire_windows({.exercises = exercises.get()});
    }
    // Shown without the login its timer would open.
    void show_form() { form->show(), timer().stop(); }
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

    platform::throwing_exit_guard exit_guard;
    std::unique_ptr<tutor::windows::TMainForm> form;
    std::unique_ptr<tutor::windows::exercise_windows> exercises;
    std::vector<std::string> modal_windows;
    std::vector<QPointer<QTimer>> watches;
};
