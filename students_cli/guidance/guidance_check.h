#pragma once
// Checking a guidance course before the pupils meet it: every fault the
// tutor would stop on, compiled by the tutor's own compiler, and what
// compiles but cannot be what the teacher meant (labels never jumped to,
// jumps to no label, statements no path reaches, circles of jumps, circles
// with no way out, conditions that can never hold or always hold, exercises
// the object files have no objects for). Texts come from section
// "GUIDANCE_CHECK"; the flow is judged only once the text compiles.

#include "tutor/engine/guidance_file.h"

#include <functional>
#include <string>
#include <vector>

namespace students_cli::guidance {

struct guidance_finding {
    enum kind_of { error, warning, note };
    kind_of kind = error;
    int line = 0;   // in the file, from 1; 0 when it concerns no line
    std::string text;
};

struct guidance_check_settings {
    int theory_chapters = 4;
    // Whether the object files hold objects for an exercise (1 to 9) at a
    // level (1 to 3); empty when they could not be read.
    std::function<bool(int exercise, int level)> has_objects;
};

// In the order of the lines, errors before warnings on one line; those of no line last.
std::vector<guidance_finding> check_guidance_text(const tutor::engine::guidance_text& text, const guidance_check_settings& settings);

} // namespace students_cli::guidance
