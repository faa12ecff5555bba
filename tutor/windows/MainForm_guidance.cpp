// The tutor main window's part in the tutor's flow: showing and closing,
// the hand-over timer, the pupil's login, the theory chapters, exercises,
// results and guidance menus, and the small boxes of the tutor's own.
#include "tutor/windows/MainForm.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "platform/core/message_box.h"
#include "platform/widgets/printing.h"
#include "tutor/windows/BackGroundScreen.h"
#include "tutor/windows/LoginDialog.h"
#include "tutor/windows/Monopolize_DLL_Interface.h"
#include "tutor/windows/TheoryForm.h"
#include "tutor/windows/exercise_windows.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/windows/pupil_results_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>

using namespace foundation;
using namespace foundation::widgets;
using namespace tutor::engine;

namespace tutor::windows {

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::FormShow()
{
    monopolize_as_set(*background_screen_);
    start_wait_until_ready_timer(login_timer_tag);
}

bool TMainForm::is_enabled() const
{
    return isEnabled() && QApplication::activeModalWidget() == nullptr;
}

QRect TMainForm::window_rect() const
{
    return geometry();
}

void TMainForm::start_wait_until_ready_timer(int tag)
{
    timer_tag_ = tag;
    wait_until_ready_timer->start();
}

// Waits until no modal window is open over this one, then hands control on.
void TMainForm::wait_until_ready_timerTimer()
{
    if (!is_enabled())
        return;
    wait_until_ready_timer->stop();
    if (timer_tag_ == login_timer_tag)
        pupil_menu_itemClick();
    else if (driver_)
        driver_->run(timer_tag_);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormCloseQuery()
{
    return closed_by_guidance_ || ask_termination() == platform::IDYES;
}

void TMainForm::FormClose()
{
    wait_until_ready_timer->stop();
    if (store_settings_between_sessions)
        write_view_settings(oblique_options(), normal_options());
    if (guidance)
        guidance->save_state();
    background_screen_->hide();
}

void TMainForm::close_by_guidance()
{
    closed_by_guidance_ = true;
    close();
}

void TMainForm::pupil_menu_itemClick()
{
    if (login_dialog_->exec() == QDialog::Accepted)
        logged_in();
}

// The guidance now holds the pupil's settings and place; when the pupil has
// guidance on, the timer carries on with it once the login has gone (a
// guidance finished meanwhile ends as its end does).
void TMainForm::logged_in()
{
    status_panels_[1]->setText(qt(guidance->pupil_name()));
    update_switch_guidance_caption();
    if (guidance->carries_on_at_login())
        start_wait_until_ready_timer(tag_continue);
}

void TMainForm::click_theory_menu_item(int chapter)
{
    if (chapter >= 1 && chapter <= static_cast<int>(theory_menu_items_.size()))
        theory_menu_itemClick(chapter);
}

void TMainForm::theory_menu_itemClick(int chapter)
{
    theory_form_->tell_chapter_before_show(chapter);
    theory_form_->tell_object_before_show(solid_);
    theory_form_->exec();
    // As after an exercise, the guidance goes on with its next statement.
    if (guidance_is_on())
        start_wait_until_ready_timer(tag_next_statement);
}

void TMainForm::click_exercise_menu_item(int exercise)
{
    if (exercise >= 1 && exercise <= exercise_count)
        exercise_menu_itemClick(exercise);
}

void TMainForm::exercise_menu_itemClick(int exercise)
{
    if (windows_.exercises)
        windows_.exercises->show(exercise, test_mode_, practice_level_);
}

void TMainForm::results_menu_itemClick()
{
    if (windows_.results && guidance && !guidance->pupil_name().empty())
        windows_.results->show_results_of(guidance->pupil_name());
}

void TMainForm::switch_guidance_on_off_menu_itemClick()
{
    if (driver_)
        driver_->switch_on_off();
}

void TMainForm::start_guidance_again_menu_itemClick()
{
    if (driver_)
        driver_->start_again();
}

void TMainForm::printer_settings_menu_itemClick()
{
    platform::run_printer_setup(this);
}

void TMainForm::change_password_menu_itemClick()
{
    show_message(text_of(text_names::tutor_boxes::password), platform::MB_OK | platform::MB_ICONINFORMATION);
}

void TMainForm::settings_menu_itemClick()
{
    show_message(text_of(text_names::tutor_boxes::settings), platform::MB_OK | platform::MB_ICONINFORMATION);
}

void TMainForm::about_menu_itemClick()
{
    show_message(text_of(text_names::tutor_boxes::about_title) + "\n" + text_of(text_names::tutor_boxes::about_text),
                 platform::MB_OK | platform::MB_ICONINFORMATION);
}

} // namespace tutor::windows
