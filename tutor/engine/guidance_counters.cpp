#include "tutor/engine/guidance_counters.h"

#include <limits>

namespace tutor::engine {

void guidance_counters::reset()
{
    *this = guidance_counters();
}

void guidance_counters::record(bool correct)
{
    // Stops short of overflow; no pupil answers two thousand million times.
    if (count_ == std::numeric_limits<std::int32_t>::max())
        return;
    ++count_;
    if (correct)
        ++correct_;
    score_ = static_cast<std::int32_t>(static_cast<std::int64_t>(correct_) * 100 / count_);
    for (int k = max_score_window; k >= 1; --k)
        recent_correct_[static_cast<std::size_t>(k)] = recent_correct_[static_cast<std::size_t>(k) - 1] + (correct ? 1 : 0);
}

std::int32_t guidance_counters::score_over(int window) const
{
    if (window == 0)
        return score_;
    return recent_correct(window) * 100 / window;
}

} // namespace tutor::engine
