#include "student_files/results_lines.h"
#include "tests/student_files/student_files_fixture.h"

using namespace foundation;
using namespace student_files;

using namespace results_format;

namespace {

const std::array<std::string, listed_exercises> titles{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9"};
const std::array<std::string, 5> labels{"S:", "D:", "L:", "O:", "C:"};

} // namespace

class ResultsLinesTest : public StudentFilesTest {
protected:
    void SetUp() override
    {
        StudentFilesTest::SetUp();
        ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    }
    std::vector<std::string> lines_of(const std::string& name)
    {
        result_chains chains = files->read_result_chains(files->results_file_name(name), listed_exercises);
        status = chains.status;
        listing = build_results_lines(std::move(chains), titles, labels);
        std::vector<std::string> out;
        for (int i = 1; i <= listing.line_count(); ++i)
            out.push_back(listing.line(i).text);
        return out;
    }
    std::pair<int, int> lines_of_exercise(int k) const
    {
        return {listing.exercises()[k - 1u].first_line, listing.exercises()[k - 1u].last_line};
    }
    outcome status;   // of the last reading
    results_listing listing;
};

// The files keep times to two seconds, so the stored durations here are even;
// a duration of more than a day counts its days as hours.
TEST_F(ResultsLinesTest, ResultsFollowTheirChainsExerciseByExercise)
{
    ASSERT_TRUE(files->add_result("johnny", 9, at(3, 8, 0, 0), at(3, 8, 0, 6), 1, 2, 1));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 10, 0, 0), at(2, 12, 3, 10), 3, 40, 31));
    ASSERT_TRUE(files->add_result("johnny", 12, at(3, 9, 0, 0), at(3, 9, 1, 0), 1, 1, 1));   // not listed
    ASSERT_TRUE(files->add_result("johnny", 1, at(4, 23, 59, 50), at(5, 0, 3, 56), 2, 7, 0));
    const std::vector<std::string> texts = lines_of("johnny");
    ASSERT_EQ(texts.size(), 27u + 3 * 6);
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 15),
              (std::vector<std::string>{"   T1", "", "S:10:00:00,  01-05-2025", "D:26:03:10", "L:3", "O:40", "C:31", "",
                                        "S:23:59:50,  04-05-2025", "D: 0:04:06", "L:2", "O:7", "C:0", "", ""}));
    EXPECT_EQ(std::vector(texts.end() - 9, texts.end()),
              (std::vector<std::string>{"   T9", "", "S:08:00:00,  03-05-2025", "D: 0:00:06", "L:1", "O:2", "C:1", "", ""}));
    EXPECT_EQ(std::tuple(lines_of_exercise(1), lines_of_exercise(2), lines_of_exercise(9)),
              std::tuple(std::pair(1, 15), std::pair(16, 18), std::pair(37, 45)));
    EXPECT_EQ(std::tuple(listing.line(1).style, listing.line(3).style, listing.line(8).style),
              std::tuple(results_line::heading, results_line::plain, results_line::blank));
}

TEST_F(ResultsLinesTest, ADamagedChainIsReportedOnceAndReadingStopsThere)
{
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 10, 0, 0), at(1, 10, 1, 0), 1, 1, 1));
    ASSERT_TRUE(files->add_result("johnny", 2, at(1, 11, 0, 0), at(1, 11, 1, 0), 1, 2, 2));
    ASSERT_TRUE(files->add_result("johnny", 2, at(1, 12, 0, 0), at(1, 12, 1, 0), 1, 3, 3));
    std::string b = bytes("Johnny");
    b[6 * record_size + result_field::next_result] = 5;   // exercise 2's second result links back to its first
    put_bytes("Johnny", b);
    const std::vector<std::string> texts = lines_of("johnny");
    EXPECT_EQ(status.message().substr(0, 7), "IO 100.");
    // Exercise 1 whole, then exercise 2's heading and each of its records once.
    ASSERT_EQ(texts.size(), 9u + 2 + 12);
    EXPECT_EQ(std::tuple(texts[9], texts[14], texts[20], texts.back()), std::tuple("   T2", "O:2", "O:3", ""));
    EXPECT_EQ(std::tuple(lines_of_exercise(2).second, lines_of_exercise(3).first), std::tuple(23, 0));
}

TEST(ResultsLines, TextsAreCutAtTheLineLimitAndCopiedWithCrLfBetweenLines)
{
    result_chains chains;
    chains.exercises.resize(9);
    std::array<std::string, listed_exercises> long_titles = titles;
    long_titles[0] = std::string(300, 'x');
    const results_listing listing = build_results_lines(chains, long_titles, labels);
    std::string expected = "   " + std::string(252, 'x') + "\r\n\r\n";
    for (int k = 2; k <= 9; ++k)
        expected += "\r\n   T" + std::to_string(k) + "\r\n\r\n";
    EXPECT_EQ(std::tuple(results_copy_text(listing), results_copy_text({})), std::tuple(expected, std::string()));
}
