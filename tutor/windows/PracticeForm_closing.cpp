// The practice window's end: the results, the question whether to go on,
// the test result stored, and the next exercise started once it has closed.
#include "tutor/windows/PracticeForm.h"

#include "foundation/messages.h"
#include "platform/core/beep.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/windows/practice_main_window.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

using namespace foundation;
using namespace student_files;
using namespace tutor::engine;

namespace tutor::windows {

void TPracticeForm::ShowModal()
{
    QEventLoop loop;
    const auto connection = connect(this, &TPracticeForm::closed, &loop, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    show();
    if (isVisible())
        loop.exec();
    disconnect(connection);
}

void TPracticeForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit closed();
}

bool TPracticeForm::FormCloseQuery()
{
    start_another_ = false;
    mode_switch_ = false;
    bool may_close = true;
    if (OK_button->isHidden()) {
        platform::beep();
        may_close = false;
    } else if (count() == 0) {
        start_another_ = switch_requested_;
        next_exercise_ = target_exercise_;
    } else {
        const std::string results = results_text(closing_, count(), correct(), get_score(false, 0));
        next_exercise_ = exercise_;
        if (end_of_exercise_messages_ && !switch_requested_ && !guidance_is_on()) {
            may_close = ask_end_of_exercise(results);
        } else {
            show_message(results, platform::MB_OK);
            start_another_ = switch_requested_;
            if (switch_requested_)
                next_exercise_ = target_exercise_;
        }
    }
    if (!may_close && showing_solution_) {
        make_default(show_ready_button);
        show_ready_button->setFocus();
    }
    switch_requested_ = false;
    return may_close;
}

// Whether the window may close; a Yes starts the exercise the question offers.
bool TPracticeForm::ask_end_of_exercise(const std::string& results)
{
    const closing_question question = closing_question_for(closing_, test_mode_, exercise_, get_score(false, 0));
    if (question.offers_next_exercise)
        next_exercise_ = exercise_ + 1;
    const int answer = show_message(results + "\n" + question.ending, question.flags);
    start_another_ = answer == platform::IDYES;
    mode_switch_ = true;
    return answer != platform::IDCANCEL;
}

void TPracticeForm::FormClose()
{
    if (test_mode_ && count() > 0 && guidance && guidance->store_test_results() && student_data_files)
        show_if_failed(student_data_files->add_result(guidance->pupil_name(), exercise_, start_time_,
                                                      platform::now_date_time(), level_, count(), correct()));
    if (start_another_) {
        if (mode_switch_ && main_)
            main_->set_test_mode(!test_mode_);
        timer_tag_ = next_exercise_;
        timer_start_exercise_when_this_one_closed->start();
    }
    if (guidance_is_on() && !closed_by_guidance_ && main_)
        main_->start_wait_until_ready_timer(tag_next_statement);
}

// Only one exercise window is open at a time: the next one waits until this
// one has gone and the main window is free again.
void TPracticeForm::timer_start_exercise_when_this_one_closedTimer()
{
    if (!main_) {
        timer_start_exercise_when_this_one_closed->stop();
        return;
    }
    if (!main_->is_enabled() || isVisible())
        return;
    timer_start_exercise_when_this_one_closed->stop();
    main_->click_exercise_menu_item(timer_tag_);
}

} // namespace tutor::windows
