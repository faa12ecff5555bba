#include "tutor/engine/practice_scoring.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

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

TEST(ObjectDrawer, NearestCandidateUpwardFirstAndCyclesWithoutRepeatingTheLast)
{
    object_drawer drawer(scripted({5, 5, 5, 0}));
    EXPECT_FALSE(drawer.choose(set_of({3, 7, 9}), 3, 20));
    std::vector<int> drawn;
    for (int i = 0; i < 4; ++i)
        drawn.push_back(drawer.draw());
    EXPECT_EQ(drawn, (std::vector<int>{7, 3, 9, 3}));   // 5 + 2 before 5 - 2; a new cycle not with 9

    object_drawer two(scripted({0}));
    two.choose(set_of({2, 6}), 2, 10);
    drawn.clear();
    for (int i = 0; i < 4; ++i)
        drawn.push_back(two.draw());
    EXPECT_EQ(drawn, (std::vector<int>{2, 6, 2, 6}));
}

TEST(ObjectDrawer, WithoutAnObjectInTheCatalogueEveryObjectMayCome)
{
    object_drawer drawer([](int n) { return n; });
    EXPECT_TRUE(drawer.choose(set_of({200}), 1, 4));   // beyond the catalogue: none
    std::set<int> seen;
    for (int i = 0; i < 5; ++i)
        seen.insert(drawer.draw());
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4}));
}
