#include "tutor/engine/practice_scoring.h"

#include "platform/core/message_box.h"

#include <algorithm>
#include <stdexcept>

using namespace foundation;

namespace tutor::engine {

using ending = text_names::end_of_exercise_messages;

void answer_counts::reset()
{
    *this = answer_counts{};
}

void answer_counts::record(bool correct)
{
    ++count_;
    if (correct)
        ++correct_;
    for (int k = recent_answers_window; k >= 1; --k)
        recent_correct_[static_cast<std::size_t>(k)] = recent_correct_[static_cast<std::size_t>(k - 1)] + (correct ? 1 : 0);
}

int answer_counts::score(bool windowed, int n) const
{
    if (!windowed)
        return count_ == 0 ? 0 : correct_ * 100 / count_;
    const int k = std::max(0, std::min({n, recent_answers_window, count_}));
    return k == 0 ? 0 : recent_correct_[static_cast<std::size_t>(k)] * 100 / k;
}

int exercise_group(int exercise)
{
    static constexpr int groups[9] = {5, 4, 4, 3, 3, 2, 2, 1, 0};
    if (exercise < 1 || exercise > 9)
        throw std::out_of_range("exercise number " + std::to_string(exercise) + " outside 1..9");
    return groups[exercise - 1];
}

bool object_drawer::choose(const object_set& allowed, int selection_count, int last_object_number)
{
    last_object_number_ = std::clamp(last_object_number, 0, 255);
    selection_count_ = selection_count;
    used_.reset();
    object_set in_range;
    for (int i = 0; i <= last_object_number_; ++i)
        in_range.set(static_cast<std::size_t>(i));
    // Numbers beyond the catalogue could never be drawn; with none left every object may come.
    allowed_ = allowed & in_range;
    if (allowed_.any())
        return false;
    allowed_ = in_range;
    return true;
}

// From a random start, the nearest candidate, upward first.
int object_drawer::draw()
{
    const object_set candidates = allowed_ & ~used_;
    const int r = std::clamp(random_(last_object_number_), 0, last_object_number_);
    int drawn = -1;
    for (int d = 0; drawn < 0 && d <= last_object_number_; ++d) {
        if (r + d <= last_object_number_ && candidates.test(static_cast<std::size_t>(r + d)))
            drawn = r + d;
        else if (r - d >= 0 && candidates.test(static_cast<std::size_t>(r - d)))
            drawn = r - d;
    }
    if (drawn < 0)   // cannot happen: a cycle ends before the used objects fill the allowed ones
        return r;
    used_.set(static_cast<std::size_t>(drawn));
    if (used_ == allowed_) {
        // A new cycle; with more than one object the last one does not come again at once.
        used_.reset();
        if (selection_count_ > 1)
            used_.set(static_cast<std::size_t>(drawn));
    }
    return drawn;
}

std::string results_text(const closing_texts& texts, int count, int correct, int score)
{
    using result = text_names::practice_results;
    std::string text = texts.results[result::objects_done] + std::to_string(count) + "     "
        + texts.results[result::done_correctly] + std::to_string(correct) + "      ";
    if (score >= 75)
        text += "\n" + texts.results[score >= 99 ? result::excellent_work : result::good_work];
    return text;
}

closing_question closing_question_for(const closing_texts& texts, bool test_mode, int exercise, int score)
{
    const unsigned yes_no_cancel = platform::MB_YESNOCANCEL | platform::MB_ICONQUESTION;
    if (!test_mode)
        return {texts.endings[ending::test_now_question], yes_no_cancel, false};
    if (score < 75)
        return {texts.endings[ending::practise_again_question], yes_no_cancel, false};
    if (exercise == 9)
        return {texts.endings[ending::last_exercise_passed], platform::MB_OKCANCEL | platform::MB_ICONQUESTION, false};
    return {texts.endings[ending::next_exercise_question], yes_no_cancel, true};
}

} // namespace tutor::engine
