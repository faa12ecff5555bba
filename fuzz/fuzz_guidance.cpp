// Arbitrary bytes as a guidance file: compiled, and when it compiles, run
// statement by statement with answers and time passing, and resolved from a
// few more places. Fatal stops (compile errors, endless jumps, HALT) are
// intercepted; nothing may crash or hang. The same bytes are checked as a
// teacher's check does and walked with a simulated pupil.
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "students_cli/guidance/guidance_check.h"
#include "students_cli/guidance/guidance_dry_run.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_compiler.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

using namespace tutor::engine;
using namespace students_cli::guidance;

namespace {

struct moving_values : condition_values {
    std::int32_t n = 0;
    std::int32_t count() override { return n++; }
    std::int32_t score(int window) override { return window * 7 - n; }
    std::int32_t exercise_minutes() override { return n * 3; }
    std::int32_t total_minutes() override { return -n; }
};

void run(Tguidance_object& g, double& now)
{
    g.start(false);
    for (int step = 0; step < 64 && g.is_on() && !g.finished(); ++step) {
        g.fetch_current_statement();
        g.reset_counters();
        g.mark_exercise_start();
        for (int k = 0; k < 40 && !g.exit_holds(); ++k) {
            now += 0.0007;
            g.record_answer((k + step) % 3 != 0);
        }
        g.exit_ok_holds();
        g.advance();
    }
    moving_values values;
    const int count = g.statement_count();
    for (const int n : {-1, 0, 1, 2, count / 2, count - 1, count, count + 1})
        resolve_statement(g.table(), n, values);
}

void check_and_walk(std::string_view text)
{
    const guidance_reading reading = split_guidance_text(text, "fuzz.txt");
    check_guidance_text(reading.text, {4, [](int exercise, int level) { return (exercise + level) % 2 == 0; }});
    const guidance_check_compilation compiled = compile_guidance_collecting(reading.text, 4);
    if (!compiled.faults.empty())
        return;
    simulated_pupil pupil;
    pupil.step_limit = 50;
    pupil.score.fill(55);
    std::ostringstream out;
    dry_run({compiled.table, "fuzz.txt", compiled.statement_lines}, pupil, out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static platform::scripted_responder responder;
    static platform::throwing_exit_guard guard;
    responder.clear();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        Tguidance_object g(text, "fuzz.txt");
        double now = 45000;
        g.set_clock([&now] { return now; });
        run(g, now);
    } catch (const platform::program_stopped&) {
    }
    check_and_walk(text);
    return 0;
}
