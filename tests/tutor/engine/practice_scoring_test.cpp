#include "tutor/engine/practice_scoring.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

using namespace tutor::engine;

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
    EXPECT_EQ(answers.score(false, 0), 0);
    EXPECT_EQ(answers.score(true, 5), 0);
    for (int i = 0; i < 10; ++i)
        answers.record(false);
    for (int i = 0; i < 30; ++i)
        answers.record(true);
    EXPECT_EQ(answers.count(), 40);
    EXPECT_THROW(exercise_group(10), std::out_of_range);
    EXPECT_EQ(answers.correct(), 30);
    EXPECT_EQ(answers.score(false, 0), 75);
    EXPECT_EQ(answers.score(true, 50), 100) << "the window holds 30 answers at most";
    answers.record(false);
    EXPECT_EQ(answers.score(true, 5), 80);
    EXPECT_EQ(answers.score(true, 3), 66);
    EXPECT_EQ(answers.score(true, 0), 0);
    answers.reset();
    EXPECT_EQ(answers.count(), 0);
    answers.record(true);
    EXPECT_EQ(answers.score(true, 30), 100) << "the window is never longer than the answers";
}

TEST(ObjectDrawer, NearestCandidateUpwardFirstAndCyclesWithoutRepeatingTheLast)
{
    object_drawer drawer(scripted({5, 5, 5, 0}));
    EXPECT_FALSE(drawer.choose(set_of({3, 7, 9}), 3, 20));
    EXPECT_EQ(drawer.draw(), 7) << "5 + 2 is taken before 5 - 2";
    EXPECT_EQ(drawer.draw(), 3);
    EXPECT_EQ(drawer.draw(), 9);
    EXPECT_EQ(drawer.used(), set_of({9})) << "a new cycle starts without the object drawn last";
    EXPECT_EQ(drawer.draw(), 3);
}

TEST(ObjectDrawer, OneObjectComesEveryTimeAndTwoAlternate)
{
    object_drawer one(scripted({0, 10, 4}));
    one.choose(set_of({4}), 1, 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(one.draw(), 4);

    object_drawer two(scripted({0}));
    two.choose(set_of({2, 6}), 2, 10);
    std::vector<int> drawn;
    for (int i = 0; i < 6; ++i)
        drawn.push_back(two.draw());
    EXPECT_EQ(drawn, (std::vector<int>{2, 6, 2, 6, 2, 6}));
}

TEST(ObjectDrawer, WithoutAnObjectInTheCatalogueEveryObjectMayCome)
{
    object_drawer drawer([](int n) { return n; });
    EXPECT_TRUE(drawer.choose(object_set{}, 0, 4));
    std::set<int> seen;
    for (int i = 0; i < 5; ++i)
        seen.insert(drawer.draw());
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4}));

    EXPECT_TRUE(drawer.choose(set_of({200}), 1, 4)) << "a number beyond the catalogue cannot be drawn";
    EXPECT_LE(drawer.draw(), 4);
}

