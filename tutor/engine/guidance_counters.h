#pragma once
// The pupil's answers in the running exercise, as the guidance's conditions
// see them: how many, how many correct, the score, and how many of the last
// k answers were correct for k up to 30.

#include "tutor/engine/guidance_resolver.h"

#include <array>
#include <cstdint>

namespace tutor::engine {

class guidance_counters {
public:
    void reset();
    void record(bool correct);

    std::int32_t count() const { return count_; }
    std::int32_t correct() const { return correct_; }
    std::int32_t score() const { return score_; }
    // Correct answers among the last k (0 to 30); others throw std::out_of_range.
    std::int32_t recent_correct(int k) const { return recent_correct_.at(static_cast<std::size_t>(k)); }
    // The score over the last `window` answers (1 to 30); 0 gives the score.
    std::int32_t score_over(int window) const;

private:
    std::int32_t count_ = 0;
    std::int32_t correct_ = 0;
    std::int32_t score_ = 0;
    std::array<std::int32_t, max_score_window + 1> recent_correct_{};   // entry 0 stays 0
};

} // namespace tutor::engine
