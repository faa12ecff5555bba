#include "tutor/engine/guidance_driver.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "platform/core/message_box.h"
#include "tutor/engine/guidance.h"

using namespace tutor::engine::guidance_records;
using namespace foundation;

namespace tutor::engine {

using finished_text = text_names::guidance_finished_messages;

Tguidance_driver::Tguidance_driver(guidance_main_window& window, Tguidance_object& guidance)
    : window_(window), guidance_(guidance)
{
}

bool Tguidance_driver::run(int tag)
{
    closing_ = false;
    switch (tag) {
    case tag_save_and_close:
        save_and_close();
        return true;
    case tag_switch_on_off:
        switch_on_off();
        return true;
    case tag_start_again:
        start_again();
        return true;
    case tag_next_statement:
        next_statement();
        return true;
    case tag_continue:
        continue_guidance();
        return true;
    default:
        return false;
    }
}

void Tguidance_driver::save_and_close()
{
    guidance_.save_state();
    closing_ = true;
    window_.close_by_guidance();
}

void Tguidance_driver::switch_on_off()
{
    if (guidance_.is_on()) {
        guidance_.stop();
    } else if (!guidance_.finished()) {
        guidance_.start(false);
    } else if (!guidance_.restart_enabled()) {
        say(texts_[finished_text::cannot_start_again]);
    } else if (ask(texts_[finished_text::finished] + "\n" + texts_[finished_text::start_again_question])) {
        guidance_.start(true);
    } else if (!guidance_.switchable()) {
        guidance_.set_on();   // saved as on: the pupil stays under guidance
        end_tutor();
        return;
    }
    window_.update_switch_guidance_caption();
    if (guidance_.is_on())
        continue_guidance();
}

void Tguidance_driver::start_again()
{
    guidance_.start(true);
    window_.update_switch_guidance_caption();
    if (guidance_.is_on())
        continue_guidance();
}

void Tguidance_driver::next_statement()
{
    guidance_.advance();
    continue_guidance();
}

void Tguidance_driver::continue_guidance()
{
    if (guidance_.finished()) {
        if (guidance_.switchable()) {
            guidance_.stop_at_end();
            window_.update_switch_guidance_caption();
        } else if (!guidance_.restart_enabled() || !ask(texts_[finished_text::finished_start_again_question])) {
            end_tutor();
        } else {
            guidance_.start(true);
        }
    }
    if (guidance_.is_on() && !closing_)
        open_current_statement();
}

void Tguidance_driver::open_current_statement()
{
    const guidance_step step = guidance_.fetch_current_statement();
    switch (step.kind) {
    case kind_theory:
        window_.click_theory_menu_item(step.number);
        break;
    case kind_exercise:
    case kind_test:
        window_.set_test_mode(step.kind == kind_test);
        window_.set_practice_level(step.level);
        window_.click_exercise_menu_item(step.number);
        break;
    default:
        break;
    }
}

bool Tguidance_driver::ask(const std::string& question)
{
    return show_message(question, platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES;
}

void Tguidance_driver::say(const std::string& text)
{
    show_message(text, platform::MB_OK);
}

void Tguidance_driver::end_tutor()
{
    say(texts_[finished_text::finished_tutor_closes]);
    closing_ = true;
    window_.close_by_guidance();
}

} // namespace tutor::engine
