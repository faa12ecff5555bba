#include "tutor/PracticeForm.h"

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"

#include <stdexcept>

namespace {

const char* const exercise_prefixes[TPracticeForm::exercise_count] = {
    "PRACTICE_COLORING_",           "PRACTICE_INDICATE_LINE_ISOM_", "PRACTICE_INDICATE_LINE_TECH_",
    "PRACTICE_ADD_LINE_ISOM_",      "PRACTICE_ADD_LINE_TECH_",      "PRACTICE_CONSTR_TECH_VIEW_A_",
    "PRACTICE_CONSTR_TECH_VIEW_B_", "PRACTICE_CONSTR_TECH_PROJ_",   "PRACTICE_CONSTR_CUT_",
};

void check_exercise(int k)
{
    if (k < 1 || k > TPracticeForm::exercise_count)
        throw std::out_of_range("exercise number " + std::to_string(k) + " outside 1..9");
}

} // namespace

TPracticeForm::TPracticeForm(QWidget* parent) : QMainWindow(parent)
{
    load_exercise_texts();
}

void TPracticeForm::load_exercise_texts()
{
    for (int k = 0; k < exercise_count; ++k) {
        const std::string prefix = exercise_prefixes[k];
        text_handler->read_section(prefix + "CAPTION", &exercises_[k].caption, 1);
        text_handler->read_section(prefix + "INSTR", exercises_[k].instructions.data(), 3);
    }
}

const std::string& TPracticeForm::get_exercise_title(int k) const
{
    check_exercise(k);
    return exercises_[static_cast<std::size_t>(k - 1)].caption;
}

const std::string& TPracticeForm::get_exercise_instruction(int k, int line) const
{
    check_exercise(k);
    return exercises_[static_cast<std::size_t>(k - 1)].instructions.at(static_cast<std::size_t>(line - 1));
}
