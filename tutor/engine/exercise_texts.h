#pragma once
// The texts of the tutor's nine exercises: per exercise its caption (the
// title the results lists use) and three lines of instruction, read from the
// text-section file. Missing sections read as empty texts. Widget-free, so
// the practice windows and the command-line tools read them alike.

#include <array>
#include <string>

namespace tutor::engine {

class exercise_texts {
public:
    static constexpr int exercise_count = 9;

    // Reads all nine exercises from the loaded text-section file; every text
    // is empty when none is loaded.
    exercise_texts();

    // The caption of exercise k; k outside 1..9 is a programming error and throws std::out_of_range.
    const std::string& title(int k) const;
    // Instruction line 1..3 of exercise k; the same range rule, and for the line too.
    const std::string& instruction(int k, int line) const;

private:
    struct texts_of_one {
        std::string caption;
        std::array<std::string, 3> instructions;
    };
    const texts_of_one& exercise(int k) const;

    std::array<texts_of_one, exercise_count> exercises_;
};

} // namespace tutor::engine
