#include "tutor/engine/exercise_texts.h"

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"

#include <stdexcept>

namespace {

// Exercise k's sections are its prefix followed by "CAPTION" and "INSTR".
const char* const exercise_prefixes[exercise_texts::exercise_count] = {
    "PRACTICE_COLORING_",           "PRACTICE_INDICATE_LINE_ISOM_", "PRACTICE_INDICATE_LINE_TECH_",
    "PRACTICE_ADD_LINE_ISOM_",      "PRACTICE_ADD_LINE_TECH_",      "PRACTICE_CONSTR_TECH_VIEW_A_",
    "PRACTICE_CONSTR_TECH_VIEW_B_", "PRACTICE_CONSTR_TECH_PROJ_",   "PRACTICE_CONSTR_CUT_",
};

} // namespace

exercise_texts::exercise_texts()
{
    if (!text_handler)
        return;
    for (int k = 0; k < exercise_count; ++k) {
        const std::string prefix = exercise_prefixes[k];
        text_handler->read_section(prefix + "CAPTION", &exercises_[k].caption, 1);
        text_handler->read_section(prefix + "INSTR", exercises_[k].instructions.data(), 3);
    }
}

const exercise_texts::texts_of_one& exercise_texts::exercise(int k) const
{
    if (k < 1 || k > exercise_count)
        throw std::out_of_range("exercise number " + std::to_string(k) + " outside 1..9");
    return exercises_[static_cast<std::size_t>(k - 1)];
}

const std::string& exercise_texts::title(int k) const
{
    return exercise(k).caption;
}

const std::string& exercise_texts::instruction(int k, int line) const
{
    return exercise(k).instructions.at(static_cast<std::size_t>(line - 1));
}
