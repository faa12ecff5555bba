#pragma once
// What the practice window counts and decides without a window: the answers
// of one exercise and its score, the objects it draws from the catalogue's
// selection, and the results text with the question at its end.

#include "foundation/texts.h"

#include <array>
#include <bitset>
#include <functional>
#include <string>

namespace tutor::engine {

inline constexpr int recent_answers_window = 30;

class answer_counts {
public:
    void reset();
    void record(bool correct);
    int count() const { return count_; }
    int correct() const { return correct_; }
    // Percent, integer division. Windowed: over the last min(n, 30, count) answers.
    int score(bool windowed, int n) const;

private:
    int count_ = 0;
    int correct_ = 0;
    // Entry k: correct answers among the last k; entry 0 is always 0.
    std::array<int, recent_answers_window + 1> recent_correct_{};
};

using object_set = std::bitset<256>;

// The exercise group whose objects exercise 1..9 uses: 5, 4, 4, 3, 3, 2, 2, 1, 0.
int exercise_group(int exercise);

// Draws object numbers from the allowed set in cycles, at random, so every
// allowed object comes once per cycle.
class object_drawer {
public:
    // random(n) answers a uniformly random integer from 0 to n.
    using random_source = std::function<int(int n)>;

    object_drawer(random_source random) : random_(std::move(random)) {}

    // An allowed set without any number in 0..last_object_number allows them all;
    // the answer says whether that happened.
    bool choose(const object_set& allowed, int selection_count, int last_object_number);
    int draw();
    const object_set& allowed() const { return allowed_; }
    const object_set& used() const { return used_; }

private:
    random_source random_;
    object_set allowed_;
    object_set used_;
    int selection_count_ = 0;
    int last_object_number_ = 0;
};

// The text the pupil reads when an exercise ends, and what is asked then.
struct closing_texts {
    foundation::text_section<foundation::text_names::practice_results> results;
    foundation::text_section<foundation::text_names::end_of_exercise_messages> endings;
};

std::string results_text(const closing_texts& texts, int count, int correct, int score);

struct closing_question {
    std::string ending;   // the end text added after the results text
    unsigned flags = 0;   // message-box buttons and icon
    bool offers_next_exercise = false;
};

closing_question closing_question_for(const closing_texts& texts, bool test_mode, int exercise, int score);

} // namespace tutor::engine
