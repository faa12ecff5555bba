#include "tutor/engine/guidance.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/texts.h"
#include "platform/core/clock.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/student_data_files.h"
#include "tutor/engine/guidance_compiler.h"
#include "tutor/engine/guidance_file.h"
#include "tutor/engine/theory_chapters.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace student_files;

namespace tutor::engine {

std::unique_ptr<Tguidance_object> guidance;

bool guidance_is_on()
{
    return guidance && guidance->is_on();
}

std::int32_t whole_minutes(Tdate_time span)
{
    const double minutes = std::trunc(std::round(span * 86400.0) / 60.0);
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(minutes > lowest))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(std::min(minutes, highest));
}

Tguidance_object::Tguidance_object() : Tguidance_object(guidance_file_name_from_settings())
{
}

Tguidance_object::Tguidance_object(const std::string& file_name) : now_(platform::now_date_time)
{
    take(read_guidance_file(file_name));
}

Tguidance_object::Tguidance_object(std::string_view contents, const std::string& name)
    : now_(platform::now_date_time)
{
    take(split_guidance_text(contents, name));
}

void Tguidance_object::take(const guidance_reading& reading)
{
    read_texts();
    if (reading.problem.empty())
        compile(reading.text);
    else
        show_message(reading.problem, platform::MB_ICONERROR);
}

void Tguidance_object::read_texts()
{
    using forced_end = text_names::forced_end_of_guidance;
    end_of_guidance_text_ = text_of(text_names::end_of_guidance::message);
    forced_end_text_ = text_of(forced_end::first_line) + "\n" + text_of(forced_end::first_line, 1) + "\n"
        + text_of(forced_end::first_line, 2);
}

void Tguidance_object::compile(const guidance_text& text)
{
    guidance_compilation compilation;
    try {
        compilation = compile_guidance(text, theory_chapter_count());
    } catch (const std::bad_alloc&) {
        stop_out_of_memory();
    }
    if (!compilation.error.empty())
        stop_with_message(compilation.error);
    table_ = std::move(compilation.table);
    file_ok_ = true;
}

void Tguidance_object::restore_state(const std::string& pupil_name, const results_format::settings& settings)
{
    pupil_ = pupil_name;
    switchable_ = settings.guidance_is_switchable;
    restart_enabled_ = settings.restart_guidance_enabled;
    store_test_results_ = settings.test_results_are_stored;
    on_ = false;
    setting_on_ = settings.guidance_is_on;
    setting_chosen_ = false;
    exit_ok_ = exit_ = no_condition;
    total_time_ = unpack_duration(settings.guidance_time);
    // A damaged position counts as not started; one that a changed file
    // turned into a jump or an empty statement moves on to the next to carry out.
    current_ = std::max<std::int16_t>(settings.guidance_statement, 0);
    if (current_ > 0)
        current_ = static_cast<std::int16_t>(resolve(current_));
    if (settings.guidance_is_on)
        begin(false);
}

void Tguidance_object::reset_counters()
{
    counters_.reset();
}

void Tguidance_object::mark_exercise_start()
{
    if (!on_)
        return;
    exercise_start_ = now_();
    exercise_time_ = 0;
}

void Tguidance_object::record_answer(bool correct)
{
    counters_.record(correct);
    if (on_)
        exercise_time_ = now_() - exercise_start_;
}

bool Tguidance_object::exit_ok_holds()
{
    return exit_ok_ == no_condition || condition_holds(table_, exit_ok_, *this);
}

bool Tguidance_object::exit_holds()
{
    return exit_ != no_condition && condition_holds(table_, exit_, *this);
}

void Tguidance_object::start(bool restart)
{
    begin(restart);
    take_setting_from_pupil();
}

void Tguidance_object::begin(bool restart)
{
    const bool was_on = on_;
    if (restart || current_ == 0)
        current_ = static_cast<std::int16_t>(resolve(1));
    if (was_on)
        accumulate_time();   // a restart that finishes at once still counts the time
    on_ = current_ >= 1 && current_ <= table_.count();
    if (!was_on && on_)
        span_start_ = now_();
}

void Tguidance_object::stop()
{
    stop_at_end();
    take_setting_from_pupil();
}

void Tguidance_object::stop_at_end()
{
    if (on_)
        accumulate_time();
    on_ = false;
}

void Tguidance_object::set_on()
{
    if (!on_)
        span_start_ = now_();
    on_ = true;
    take_setting_from_pupil();
}

void Tguidance_object::take_setting_from_pupil()
{
    setting_on_ = on_;
    setting_chosen_ = true;
}

void Tguidance_object::advance()
{
    // Past the end it stays just past the end, so the number always fits.
    current_ = static_cast<std::int16_t>(resolve(std::min(current_ + 1, table_.count() + 1)));
    if (finished())
        show_message(end_of_guidance_text_, platform::MB_ICONWARNING);
}

guidance_step Tguidance_object::fetch_current_statement()
{
    exit_ok_ = exit_ = no_condition;
    if (current_ < 1 || current_ > table_.count())
        return {};
    const statement_record& s = table_.statement(current_);
    switch (s.kind()) {
    case kind_halt:
        show_message(forced_end_text_, platform::MB_ICONERROR);
        save_state();   // the pupil's time and place are kept
        platform::terminate_program(s.exit_code());
    case kind_exercise:
    case kind_test:
        exit_ok_ = s.exit_ok_condition();
        exit_ = s.exit_condition();
        return {static_cast<statement_kind>(s.kind()), s.number(), s.level()};
    default:
        return {static_cast<statement_kind>(s.kind()), s.number(), 0};
    }
}

bool Tguidance_object::save_state()
{
    if (on_)
        accumulate_time();
    if (!student_data_files || pupil_.empty())
        return false;
    return show_if_failed(
        student_data_files->store_guidance_state(pupil_, setting_to_store(), current_, pack_duration(total_time_)));
}

bool Tguidance_object::setting_to_store()
{
    results_format::settings stored;
    if (setting_chosen_ || !show_if_failed(student_data_files->read_settings(pupil_, stored)))
        return setting_on_;
    return stored.guidance_is_on;
}

int Tguidance_object::resolve(int n)
{
    const resolution r = resolve_statement(table_, n, *this);
    if (r.endless_jumps)
        stop_with_message("Error in Guidance Order, Statement = " + std::to_string(r.statement)
                          + ", error is: its jumps never reach a theory chapter, exercise, test or HALT");
    return r.statement;
}

void Tguidance_object::accumulate_time()
{
    const Tdate_time now = now_();
    total_time_ += now - span_start_;
    span_start_ = now;
}

std::int32_t Tguidance_object::count()
{
    return counters_.count();
}

std::int32_t Tguidance_object::score(int window)
{
    return counters_.score_over(window);
}

std::int32_t Tguidance_object::exercise_minutes()
{
    return whole_minutes(exercise_time_);
}

std::int32_t Tguidance_object::total_minutes()
{
    // Only time under guidance counts: while it is off, the span since it was
    // last switched off is not guidance time.
    if (on_)
        accumulate_time();
    return whole_minutes(total_time_);
}

} // namespace tutor::engine
