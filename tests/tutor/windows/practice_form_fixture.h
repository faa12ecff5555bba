#pragma once
// A practice window whose judging a test decides, a main window that
// records what the practice window asks of it, texts with known entries, a
// catalogue selection set by the test and a pupil's results file.

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "geometry/model/object_files.h"
#include "platform/core/beep.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/engine/guidance.h"
#include "tutor/windows/practice_main_window.h"

#include <QPushButton>

#include <deque>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

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
    QRect window_rect() const override { return rect; }
    void start_wait_until_ready_timer(int tag) override { timer_tags.push_back(tag); }
    std::string guidance_menu_caption() const override { return "Guidance"; }
    std::string switch_guidance_caption() const override { return switch_caption; }
    std::string start_guidance_again_caption() const override { return "Start again"; }
    void click_theory_menu_item(int) override {}
    void click_exercise_menu_item(int exercise) override { opened_exercises.push_back(exercise); }
    void set_test_mode(bool test) override { test_modes.push_back(test); }
    void set_practice_level(int) override {}
    void update_switch_guidance_caption() override {}
    void close_by_guidance() override {}

    bool enabled = true;
    QRect rect{100, 50, 800, 600};
    std::string switch_caption = "Switch guidance off";
    std::vector<int> timer_tags;
    std::vector<int> opened_exercises;
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
    int solutions_shown = 0;
    int solutions_removed = 0;
};

class PracticeFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        test_support::reset_globals_to(program.path());
        std::string problem;
        foundation::text_handler = std::make_unique<foundation::Ttextfile_handler>(foundation::Ttextfile_handler::from_text(practice_texts, problem));
        program.make_dir("RESULTS");
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
        saved_table = geometry::model::exercise_object_table;
        saved_last = geometry::model::last_object_number;
        geometry::model::last_object_number = 9;
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

    // The selection of an exercise at a level; the count is the number of objects.
    void select_objects(int exercise, int level, std::initializer_list<int> numbers)
    {
        geometry::model::Texercise_cell& cell = geometry::model::exercise_object_table[static_cast<std::size_t>(tutor::engine::exercise_group(exercise))][static_cast<std::size_t>(level)];
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
    void click(const char* name)
    {
        QPushButton* b = button(name);
        ASSERT_TRUE(b) << name;
        ASSERT_FALSE(b->isHidden()) << name << " is hidden";
        b->click();
    }
    // A pupil with a results file, logged in; guidance on when the text has statements.
    void log_in(const std::string& guidance_text, bool store_test_results)
    {
        tutor::engine::guidance = std::make_unique<tutor::engine::Tguidance_object>(guidance_text, "course.txt");
        ASSERT_TRUE(student_files::student_data_files->create_results_file("Pupil", "secret", true, true, true, store_test_results));
        student_files::results_format::settings s;
        ASSERT_TRUE(student_files::student_data_files->read_settings("Pupil", s));
        tutor::engine::guidance->restore_state("Pupil", s);
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    fake_main_window main_window;
    std::unique_ptr<scripted_practice_form> form;
    geometry::model::Texercise_object_table saved_table;
    int saved_last = -1;
};
