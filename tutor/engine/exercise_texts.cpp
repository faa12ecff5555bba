#include "tutor/engine/exercise_texts.h"

#include "foundation/texts.h"

#include <stdexcept>

using namespace foundation;

namespace tutor::engine {

using text_names::exercise_caption;
using text_names::exercise_instructions;

exercise_texts::exercise_texts()
{
    for (std::size_t k = 0; k < exercises_.size(); ++k) {
        texts_of_one& texts = exercises_[k];
        texts.caption = text_of_section(text_names::exercise_caption_sections[k], exercise_caption::caption);
        for (std::size_t line = 0; line < texts.instructions.size(); ++line)
            texts.instructions[line] = text_of_section(
                text_names::exercise_instruction_sections[k],
                static_cast<exercise_instructions>(static_cast<std::size_t>(exercise_instructions::first_line) + line));
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

} // namespace tutor::engine
