#include "tutor/engine/practice_scoring.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

object_set set_of(std::initializer_list<int> numbers)
{
    object_set s;
    for (int n : numbers)
        s.set(static_cast<std::size_t>(n));
    return s;
}

// Random numbers from a script, then always the last one.
object_drawer::random_source scripted(std::deque<int> numbers)
{
    return [numbers](int) mutable {
        const int n = numbers.front();
        if (numbers.size() > 1)
            numbers.pop_front();
        return n;
    };
}

} // namespace

TEST(AnswerCounts, ScoresOverAllAnswersAndOverTheRecentWindow)
{
    answer_counts answers;
    EXPECT_EQ(answers.score(true, 5), 0);
    for (int i = 0; i < 40; ++i)
        answers.record(i >= 10);
    EXPECT_EQ(answers.score(false, 0), 75);
    EXPECT_EQ(answers.score(true, 50), 100);   // the window holds 30 answers at most
    answers.record(false);
    EXPECT_EQ(std::tuple(answers.score(true, 5), answers.score(true, 3), answers.score(true, 0)), std::tuple(80, 66, 0));
    answers.reset();
    answers.record(true);
    EXPECT_EQ(answers.score(true, 30), 100);   // never longer than the answers
    EXPECT_THROW(exercise_group(10), std::out_of_range);
}

// 5 + 2 before 5 - 2; a new cycle does not start with the last one.
TEST(ObjectDrawer, NearestCandidateUpwardFirstAndCyclesWithoutRepeatingTheLast)
{
    const std::tuple<std::deque<int>, object_set, std::vector<int>> cases[] = {
        {{5, 5, 5, 0}, set_of({3, 7, 9}), {7, 3, 9, 3}}, {{0}, set_of({2, 6}), {2, 6, 2, 6}}};
    for (const auto& [numbers, objects, expected] : cases) {
        object_drawer drawer(scripted(numbers));
        EXPECT_FALSE(drawer.choose(objects, static_cast<int>(objects.count()), 20));
        std::vector<int> drawn;
        for (int i = 0; i < 4; ++i)
            drawn.push_back(drawer.draw());
        EXPECT_EQ(drawn, expected);
    }
}
