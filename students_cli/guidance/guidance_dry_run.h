#pragma once
// A dry run of a compiled guidance course with a simulated pupil, through
// the tutor's own resolver and counters: from the first statement it opens
// each theory chapter and exercise in turn, lets the pupil answer, takes
// the jumps the conditions choose, and writes one line per step until a
// HALT, the end, or a limit. Nothing is written to any file.
//
// The pupil scores a fixed percentage per exercise: after k answers,
// k x P div 100 are correct. Each answer takes the same minutes. In an
// exercise the pupil answers until its EXIT condition ends it, or until
// `objects` answers are done and its EXIT_OK condition lets the pupil go.

#include "tutor/engine/guidance_records.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace students_cli::guidance {

struct simulated_pupil {
    std::array<int, 10> score{100, 100, 100, 100, 100, 100, 100, 100, 100, 100};   // [exercise], 0 unused
    int objects = 10;
    int minutes_per_object = 1;
    int step_limit = 1000;   // theory chapters, exercises and tests opened
};

// A pupil held longer than this in one exercise cannot leave it.
inline constexpr int most_answers_in_an_exercise = 1000;

struct dry_run_course {
    const tutor::engine::guidance_records::statement_table& table;
    std::string file_name;
    std::vector<int> statement_file_lines;   // [k]: the file line of statement k
};

enum class dry_run_end { halted, finished, empty, pupil_held, endless_jumps, step_limit };

dry_run_end dry_run(const dry_run_course& course, const simulated_pupil& pupil, std::ostream& out);

// A statement as it could be written: "EX 3 /L=2", "IF ((COUNT >= 8) AND (SCORE(5) >= 80)) GOTO 10".
std::string statement_text(const tutor::engine::guidance_records::statement_table& table, int statement);

} // namespace students_cli::guidance
