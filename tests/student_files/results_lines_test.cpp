#include "student_files/results_lines.h"
#include "tests/student_files/student_files_fixture.h"

#include <gtest/gtest.h>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

namespace {

const std::array<std::string, listed_exercises> titles{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9"};
const std::array<std::string, 5> labels{"S:", "D:", "L:", "O:", "C:"};

std::vector<std::string> texts_of(const results_listing& listing)
{
    std::vector<std::string> out;
    for (int i = 1; i <= listing.line_count(); ++i)
        out.push_back(listing.line(i).text);
    return out;
}

} // namespace

class ResultsLinesTest : public StudentFilesTest {
protected:
    results_listing lines_of(const std::string& name)
    {
        result_chains chains = files->read_result_chains(files->results_file_name(name), listed_exercises);
        status = chains.status;
        return build_results_lines(std::move(chains), titles, labels);
    }
    outcome status;   // of the last reading
};

TEST_F(ResultsLinesTest, NoResultsGiveAHeadingAndTwoBlankLinesPerExercise)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    const results_listing listing = lines_of("johnny");
    ASSERT_EQ(listing.line_count(), 27);
    for (int k = 0; k < 9; ++k) {
        const auto at_line = [&](int i) { return listing.line(3 * k + i + 1); };
        EXPECT_EQ(at_line(0).style, results_line::heading);
        EXPECT_EQ(at_line(0).text, "   T" + std::to_string(k + 1));
        EXPECT_EQ(at_line(1).style, results_line::blank);
        EXPECT_EQ(at_line(2).style, results_line::blank);
        EXPECT_EQ(listing.exercises()[static_cast<std::size_t>(k)].first_line, 3 * k + 1);
        EXPECT_EQ(listing.exercises()[static_cast<std::size_t>(k)].last_line, 3 * k + 3);
    }
    for (const int outside : {0, -1, 28})
        EXPECT_EQ(listing.line(outside).style, results_line::blank) << outside;
    EXPECT_TRUE(status);
}

// The files keep times to two seconds, so the stored durations here are even.
TEST_F(ResultsLinesTest, ResultsFollowTheirChainsExerciseByExercise)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    ASSERT_TRUE(files->add_result("johnny", 9, at(3, 8, 0, 0), at(3, 8, 0, 6), 1, 2, 1));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 10, 0, 0), at(2, 12, 3, 10), 3, 40, 31));
    ASSERT_TRUE(files->add_result("johnny", 12, at(3, 9, 0, 0), at(3, 9, 1, 0), 1, 1, 1));   // not listed
    ASSERT_TRUE(files->add_result("johnny", 1, at(4, 23, 59, 50), at(5, 0, 3, 56), 2, 7, 0));
    const results_listing listing = lines_of("johnny");
    const std::vector<std::string> expected_first{
        "   T1", "",    "S:10:00:00,  01-05-2025", "D:26:03:10", "L:3", "O:40", "C:31", "",
        "S:23:59:50,  04-05-2025", "D: 0:04:06", "L:2", "O:7", "C:0", "", ""};
    const std::vector<std::string> texts = texts_of(listing);
    ASSERT_EQ(texts.size(), 27u + 3 * 6);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 15), expected_first);
    EXPECT_EQ(listing.exercises()[0].last_line, 15);
    EXPECT_EQ(listing.exercises()[1].first_line, 16);
    const std::vector<std::string> expected_last{"   T9", "", "S:08:00:00,  03-05-2025", "D: 0:00:06", "L:1", "O:2",
                                                 "C:1", "", ""};
    EXPECT_EQ(std::vector<std::string>(texts.end() - 9, texts.end()), expected_last);
    EXPECT_EQ(listing.exercises()[8].first_line, 37);
    EXPECT_EQ(listing.exercises()[8].last_line, 45);
    EXPECT_EQ(listing.line(3).style, results_line::plain);
    EXPECT_EQ(listing.line(8).style, results_line::blank);
}

TEST_F(ResultsLinesTest, ADamagedChainIsReportedOnceAndReadingStopsThere)
{
    ASSERT_TRUE(files->create_results_file("Johnny", "abc", false, false, false, true));
    ASSERT_TRUE(files->add_result("johnny", 1, at(1, 10, 0, 0), at(1, 10, 1, 0), 1, 1, 1));
    ASSERT_TRUE(files->add_result("johnny", 2, at(1, 11, 0, 0), at(1, 11, 1, 0), 1, 2, 2));
    ASSERT_TRUE(files->add_result("johnny", 2, at(1, 12, 0, 0), at(1, 12, 1, 0), 1, 3, 3));
    // The second result of exercise 2 (record 6) links back to the first (record 5).
    std::string b = bytes("Johnny");
    b[6 * record_size + result_field::next_result] = 5;
    program.write("RESULTS/Johnny.results", b);
    const results_listing listing = lines_of("johnny");
    EXPECT_EQ(status.message().substr(0, 7), "IO 100.");
    const std::vector<std::string> texts = texts_of(listing);
    // Exercise 1 whole, then exercise 2's heading and each of its records once.
    ASSERT_EQ(texts.size(), 9u + 2 + 12);
    EXPECT_EQ(texts[9], "   T2");
    EXPECT_EQ(texts[14], "O:2");
    EXPECT_EQ(texts[20], "O:3");
    EXPECT_EQ(texts.back(), "");
    EXPECT_EQ(listing.exercises()[1].last_line, 23);
    EXPECT_EQ(listing.exercises()[2].first_line, 0) << "nothing after the damage";
}

TEST_F(ResultsLinesTest, AMissingFileShowsNoLinesAfterItsMessage)
{
    EXPECT_EQ(lines_of("Nobody").line_count(), 0);
    EXPECT_EQ(status.message().substr(0, 5), "IO 2.");
}

TEST(ResultsLines, TextsAreCutAtTheLineLimitAndCopiedWithCrLfBetweenLines)
{
    result_chains chains;
    chains.exercises.resize(9);

    std::array<std::string, listed_exercises> long_titles = titles;
    long_titles[0] = std::string(300, 'x');
    const results_listing listing = build_results_lines(chains, long_titles, labels);
    EXPECT_EQ(listing.line(1).text, "   " + std::string(252, 'x'));
    std::string expected = "   " + std::string(252, 'x') + "\r\n\r\n";
    for (int k = 2; k <= 9; ++k)
        expected += "\r\n   T" + std::to_string(k) + "\r\n\r\n";
    EXPECT_EQ(results_copy_text(listing), expected);
    EXPECT_EQ(results_copy_text({}), "");
}

TEST(ResultsLines, DurationsCountWholeDaysAsHours)
{
    EXPECT_EQ(duration_text(encode_date_time({2025, 1, 2, 2, 3, 9}) - encode_date_time({2025, 1, 1, 0, 0, 0})),
              "26:03:09");
    EXPECT_EQ(duration_text(5.0 / 86400), " 0:00:05");
    EXPECT_EQ(duration_text(247.0 / 86400), " 0:04:07");
    EXPECT_EQ(duration_text(0), " 0:00:00");
    EXPECT_EQ(duration_text(100 + 0.5), "2412:00:00");
    EXPECT_EQ(start_time_text(encode_date_time({1999, 12, 31, 7, 8, 9})), "07:08:09,  31-12-1999");
}
