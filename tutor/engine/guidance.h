#pragma once
// The guidance engine: the compiled guidance file, the current statement,
// the pupil's counters in the running exercise and the time spent under
// guidance. The practice window asks it whether an exercise may be left and
// whether it must end; the guidance driver asks it for the next statement.
//
// A fault in the guidance file's text stops the program (stop_with_message);
// a missing or unreadable file is shown and leaves the guidance unavailable.
// It does not show windows: the driver (guidance_driver.h) does that.

#include "foundation/date_time.h"
#include "student_files/results_format.h"
#include "tutor/engine/guidance_counters.h"
#include "tutor/engine/guidance_file.h"
#include "tutor/engine/guidance_records.h"
#include "tutor/engine/guidance_resolver.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tutor::engine {

// What the current statement asks the tutor to do.
struct guidance_step {
    guidance_records::statement_kind kind = guidance_records::kind_empty;
    int number = 0;   // theory chapter, or exercise 1 to 9
    int level = 0;    // practice level 1 to 3 of an exercise or test
};

class Tguidance_object : private condition_values {
public:
    using clock = std::function<foundation::Tdate_time()>;

    // Program start: the file the settings name, found and compiled.
    Tguidance_object();
    // The named file, found as find_file does.
    explicit Tguidance_object(const std::string& file_name);
    // A guidance file's contents already in memory; `name` names it in messages.
    Tguidance_object(std::string_view contents, const std::string& name);

    // Tests set the clock; the program uses the platform's.
    void set_clock(clock now) { now_ = std::move(now); }

    bool file_ok() const { return file_ok_; }
    bool is_on() const { return on_; }
    bool switchable() const { return switchable_; }
    bool restart_enabled() const { return restart_enabled_; }
    bool store_test_results() const { return store_test_results_; }
    int statement_count() const { return table_.count(); }
    int current_statement() const { return current_; }
    const guidance_records::statement_table& table() const { return table_; }
    const guidance_counters& counters() const { return counters_; }
    foundation::Tdate_time total_time() const { return total_time_; }
    foundation::Tdate_time exercise_time() const { return exercise_time_; }
    const std::string& pupil_name() const { return pupil_; }

    // The pupil's login: the pupil's name and the guidance settings and state
    // of the pupil's results file. Guidance is on again when it was on and
    // there is a statement to carry out.
    void restore_state(const std::string& pupil_name, const student_files::results_format::settings& settings);
    // The pupil's setting "guidance on" is on and there are statements to
    // carry on with (the guidance may be finished: carrying on then ends it
    // as its end does).
    bool carries_on_at_login() const { return setting_on_ && table_.count() > 0; }

    void reset_counters();
    void mark_exercise_start();
    void record_answer(bool correct);
    bool exit_ok_holds();
    bool exit_holds();

    // Start, stop and set_on are the pupil's choice (through the driver): the
    // setting saved from then on is whether guidance is on.
    void start(bool restart);
    void stop();
    // Stops a finished guidance; the pupil's setting stays as it is.
    void stop_at_end();
    // Puts guidance on where it stands, even when finished, so it is saved as on.
    void set_on();
    void advance();
    bool finished() const { return current_ > table_.count(); }
    // A HALT shows its message, saves the state and ends the program with its exit code.
    guidance_step fetch_current_statement();
    // Stores the state in the pupil's results file; false when it was not
    // stored. The setting "guidance on" stored is the pupil's choice when the
    // pupil made one since the login, else the one the file holds now (the
    // teacher may have changed it meanwhile).
    bool save_state();

private:
    void take(const guidance_reading& reading);
    void compile(const guidance_text& text);
    void read_texts();
    int resolve(int n);
    void begin(bool restart);
    void take_setting_from_pupil();
    bool setting_to_store();
    void accumulate_time();

    std::int32_t count() override;
    std::int32_t score(int window) override;
    std::int32_t exercise_minutes() override;
    std::int32_t total_minutes() override;

    clock now_;
    guidance_records::statement_table table_;
    bool file_ok_ = false;
    bool switchable_ = false;
    bool restart_enabled_ = false;
    bool store_test_results_ = false;
    bool on_ = false;
    // The pupil's setting "guidance on" as the login found it, or as start,
    // stop or set_on left it since. A missing or faulty guidance file or a
    // finished guidance turns guidance off but leaves the setting as it is.
    bool setting_on_ = false;
    bool setting_chosen_ = false;   // by the pupil since the login
    std::string pupil_;
    std::int16_t current_ = 0;   // 1-based; 0 before the start
    guidance_records::condition_ref exit_ok_ = guidance_records::no_condition;
    guidance_records::condition_ref exit_ = guidance_records::no_condition;
    foundation::Tdate_time span_start_ = 0;
    foundation::Tdate_time total_time_ = 0;
    foundation::Tdate_time exercise_start_ = 0;
    foundation::Tdate_time exercise_time_ = 0;
    guidance_counters counters_;
    std::string end_of_guidance_text_;
    std::string forced_end_text_;
};

// Whole minutes of a span of days, truncated; counted in whole seconds so
// that five minutes are never read as four.
std::int32_t whole_minutes(foundation::Tdate_time span);

extern std::unique_ptr<Tguidance_object> guidance;

// The global guidance exists and is on.
bool guidance_is_on();

} // namespace tutor::engine
