#include "student_files/results_lines.h"
#include "tests/student_files/student_files_fixture.h"

using namespace results_format;

namespace {

const std::array<std::string, listed_exercises> titles{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9"};
const std::array<std::string, 5> labels{"S:", "D:", "L:", "O:", "C:"};

// The lines' texts, and their styles as h(eading), p(lain) and b(lank).
std::pair<std::vector<std::string>, std::string> lines_of(const results_listing& listing)
{
    std::pair<std::vector<std::string>, std::string> out;
    for (int i = 1; i <= listing.line_count(); ++i) {
        out.first.push_back(listing.line(i).text);
        const results_line::style_kind style = listing.line(i).style;
        out.second += style == results_line::heading ? 'h' : style == results_line::blank ? 'b' : 'p';
    }
    return out;
}

} // namespace

class ResultsLinesTest : public StudentFilesTest {
protected:
    results_listing listing_of(const std::string& name)
    {
        return build_results_lines(files->read_result_chains(files->results_file_name(name), listed_exercises), titles,
                                   labels);
    }
    // Each listed exercise's first and last line.
    std::vector<std::pair<int, int>> ranges(const results_listing& listing)
    {
        std::vector<std::pair<int, int>> out;
        for (const auto& e : listing.exercises())
            out.emplace_back(e.first_line, e.last_line);
        return out;
    }
};

TEST_F(ResultsLinesTest, NoResultsGiveAHeadingAndTwoBlankLinesPerExercise)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    const results_listing listing = listing_of("johnny");
    const auto [texts, styles] = lines_of(listing);
    std::string expected_styles;
    for (int k = 0; k < 9; ++k) {
        expected_styles += "hbb";
        EXPECT_EQ(texts[3u * k], "   T" + std::to_string(k + 1));
        EXPECT_EQ(ranges(listing)[static_cast<std::size_t>(k)], std::pair(3 * k + 1, 3 * k + 3));
    }
    EXPECT_EQ(styles, expected_styles);
    for (const int outside : {0, -1, 28})
        EXPECT_EQ(listing.line(outside).style, results_line::blank) << outside;
    EXPECT_EQ(responder.count(), 0u);
}

// The files keep times to two seconds, so the stored durations here are even.
TEST_F(ResultsLinesTest, ResultsFollowTheirChainsExerciseByExercise)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    files->add_result("johnny", 9, at(3, 8, 0, 0), at(3, 8, 0, 6), 1, 2, 1);
    files->add_result("johnny", 1, at(1, 10, 0, 0), at(2, 12, 3, 10), 3, 40, 31);
    files->add_result("johnny", 12, at(3, 9, 0, 0), at(3, 9, 1, 0), 1, 1, 1);   // not listed
    files->add_result("johnny", 1, at(4, 23, 59, 50), at(5, 0, 3, 56), 2, 7, 0);
    const results_listing listing = listing_of("johnny");
    const auto [texts, styles] = lines_of(listing);
    ASSERT_EQ(texts.size(), 27u + 3 * 6);
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 15),
              (std::vector<std::string>{"   T1", "", "S:10:00:00,  01-05-2025", "D:26:03:10", "L:3", "O:40", "C:31", "",
                                        "S:23:59:50,  04-05-2025", "D: 0:04:06", "L:2", "O:7", "C:0", "", ""}));
    EXPECT_EQ(std::vector<std::string>(texts.end() - 9, texts.end()),
              (std::vector<std::string>{"   T9", "", "S:08:00:00,  03-05-2025", "D: 0:00:06", "L:1", "O:2", "C:1", "", ""}));
    EXPECT_EQ(styles.substr(0, 9), "hbpppppbp");
    EXPECT_EQ(ranges(listing)[0], std::pair(1, 15));
    EXPECT_EQ(ranges(listing)[1].first, 16);
    EXPECT_EQ(ranges(listing)[8], std::pair(37, 45));
}

TEST_F(ResultsLinesTest, ADamagedChainIsReportedOnceAndReadingStopsThere)
{
    files->create_results_file("Johnny", "abc", false, false, false, true);
    files->add_result("johnny", 1, at(1, 10, 0, 0), at(1, 10, 1, 0), 1, 1, 1);
    files->add_result("johnny", 2, at(1, 11, 0, 0), at(1, 11, 1, 0), 1, 2, 2);
    files->add_result("johnny", 2, at(1, 12, 0, 0), at(1, 12, 1, 0), 1, 3, 3);
    put_u16_at("Johnny", 6 * 15 + 13, 5);   // exercise 2's second result links back to its first
    const results_listing listing = listing_of("johnny");
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text.substr(0, 7), "IO 100.");
    const auto [texts, styles] = lines_of(listing);
    // Exercise 1 whole, then exercise 2's heading and each of its records once.
    ASSERT_EQ(texts.size(), 9u + 2 + 12);
    EXPECT_EQ(std::tuple(texts[9], texts[14], texts[20], texts.back()), std::tuple("   T2", "O:2", "O:3", ""));
    EXPECT_EQ(ranges(listing)[1].second, 23);
    EXPECT_EQ(ranges(listing)[2].first, 0) << "nothing after the damage";

    responder.clear();
    EXPECT_EQ(listing_of("Nobody").line_count(), 0);
    EXPECT_EQ(responder.last().text.substr(0, 5), "IO 2.");
}

TEST(ResultsLines, TextsAreCutAtTheLineLimitAndCopiedWithCrLfBetweenLines)
{
    result_chains chains;
    chains.exercises.resize(9);
    chains.complete = true;
    std::array<std::string, listed_exercises> long_titles = titles;
    long_titles[0] = std::string(300, 'x');
    const results_listing listing = build_results_lines(chains, long_titles, labels);
    std::string expected = "   " + std::string(252, 'x') + "\r\n\r\n";
    for (int k = 2; k <= 9; ++k)
        expected += "\r\n   T" + std::to_string(k) + "\r\n\r\n";
    EXPECT_EQ(results_copy_text(listing), expected);
    EXPECT_EQ(results_copy_text({}), "");
}

TEST(ResultsLines, DurationsCountWholeDaysAsHours)
{
    const std::pair<Tdate_time, const char*> cases[] = {
        {encode_date_time({2025, 1, 2, 2, 3, 9}) - encode_date_time({2025, 1, 1, 0, 0, 0}), "26:03:09"},
        {5.0 / 86400, " 0:00:05"}, {247.0 / 86400, " 0:04:07"}, {0, " 0:00:00"}, {100.5, "2412:00:00"}};
    for (const auto& [duration, text] : cases)
        EXPECT_EQ(duration_text(duration), text);
    EXPECT_EQ(start_time_text(encode_date_time({1999, 12, 31, 7, 8, 9})), "07:08:09,  31-12-1999");
}
