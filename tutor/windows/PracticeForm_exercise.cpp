// The practice window while an exercise runs: its objects, the pupil's
// answers and the buttons and guidance menu items.
#include "tutor/windows/PracticeForm.h"

#include "foundation/messages.h"
#include "geometry/model/object_files.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/windows/practice_main_window.h"

#include <QPushButton>
#include <QString>

using namespace foundation;
using namespace geometry::model;
using namespace tutor::engine;

namespace tutor::windows {

void TPracticeForm::init_before_show(int exercise, int level, bool test_mode)
{
    const Texercise_cell& cell
        = exercise_object_table.at(static_cast<std::size_t>(exercise_group(exercise))).at(static_cast<std::size_t>(level));
    exercise_ = exercise;
    level_ = level;
    test_mode_ = test_mode;
    if (drawer_.choose(cell.objects, cell.count, last_object_number))
        show_message("There are no objects for this exercise at this level!", platform::MB_ICONERROR);
    answers_.reset();
    if (guidance) {
        guidance->reset_counters();
        guidance->mark_exercise_start();
    }
    start_time_ = platform::now_date_time();
    setWindowTitle(QString::fromStdString(exercises_.title(exercise)));
}

void TPracticeForm::set_up_exercise(int exercise, int, int level, bool test_mode)
{
    init_before_show(exercise, level, test_mode);
}

void TPracticeForm::install_first_object()
{
    install_next_object(drawer_.draw(), false);
}

void TPracticeForm::install_drawn_object()
{
    install_next_object(drawer_.draw(), true);
}

void TPracticeForm::set_random_source(object_drawer::random_source random)
{
    drawer_ = object_drawer(std::move(random));
}

int TPracticeForm::get_score(bool windowed, int n) const
{
    return answers_.score(windowed, n);
}

void TPracticeForm::record_answer(bool correct)
{
    answers_.record(correct);
    if (guidance)
        guidance->record_answer(correct);
}

// After an answer, the guidance's EXIT ends the exercise at once.
bool TPracticeForm::ended_by_guidance()
{
    if (!guidance_is_on() || !guidance->exit_holds())
        return false;
    OK_button->show();
    close();
    return true;
}

void TPracticeForm::ready_buttonClick()
{
    if (showing_solution_) {
        make_default(show_ready_button);
        show_ready_button->setFocus();
        return;
    }
    bool correct = false;
    if (construction_incomplete()) {
        show_message(general_texts_[text_names::practice_general::incomplete], platform::MB_ICONERROR);
    } else if (construction_OK()) {
        show_message(general_texts_[text_names::practice_general::correct], platform::MB_OK);
        correct = true;
    } else {
        show_message(general_texts_[text_names::practice_general::not_correct], platform::MB_ICONERROR);
    }
    // In exercise mode a wrong construction is not counted: the pupil tries the same object again.
    if (!correct && !test_mode_)
        return;
    record_answer(correct);
    if (ended_by_guidance())
        return;
    install_drawn_object();
    if (guidance_is_on() && guidance->exit_ok_holds())
        OK_button->show();
    refresh_status_bar();
}

void TPracticeForm::show_buttonClick()
{
    if (showing_solution_)
        return;
    show_wanted_parts();
    showing_solution_ = true;
    show_button->hide();
    show_ready_button->show();
    show_ready_button->setFocus();
}

void TPracticeForm::show_ready_buttonClick()
{
    record_answer(false);
    if (ended_by_guidance())
        return;
    remove_wanted_parts();
    install_drawn_object();
    refresh_exercise_buttons();
    refresh_OK_button();
    refresh_status_bar();
    showing_solution_ = false;
    show_button->show();
    show_ready_button->hide();
}

void TPracticeForm::previous_exercise_buttonClick()
{
    switch_requested_ = true;
    target_exercise_ = exercise_ - 1;
    close();
}

void TPracticeForm::next_exercise_buttonClick()
{
    switch_requested_ = true;
    target_exercise_ = exercise_ + 1;
    close();
}

void TPracticeForm::OK_buttonClick()
{
    close();
}

void TPracticeForm::switch_guidance_on_off_menu_itemClick()
{
    close_for_guidance(tag_switch_on_off);
}

void TPracticeForm::start_guidance_again_menu_itemClick()
{
    close_for_guidance(tag_start_again);
}

void TPracticeForm::exit_program_menu_itemClick()
{
    if (ask_termination() == platform::IDYES)
        close_for_guidance(tag_save_and_close);
}

// The main window's timer then runs the guidance driver's action of the tag.
void TPracticeForm::close_for_guidance(int tag)
{
    OK_button->show();
    closed_by_guidance_ = true;
    if (main_)
        main_->start_wait_until_ready_timer(tag);
    close();
}

void TPracticeForm::report_never_called(const char* operation) const
{
    show_message(std::string("\"TPracticeWindow.") + operation + "\" should never be called!", platform::MB_ICONERROR);
}

void TPracticeForm::install_next_object(int, bool)
{
    report_never_called("install_next_object");
}

bool TPracticeForm::construction_OK()
{
    report_never_called("construction_OK");
    return true;
}

bool TPracticeForm::construction_incomplete()
{
    report_never_called("construction_incomplete");
    return false;
}

void TPracticeForm::show_wanted_parts()
{
    report_never_called("show_wanted_parts");
}

void TPracticeForm::remove_wanted_parts()
{
}

} // namespace tutor::windows
