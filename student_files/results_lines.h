#pragma once
// The text lines of one student's results as the results window shows,
// prints and copies them: per exercise a heading, a blank line, five lines
// and a blank line per result, and a final blank line. The listing keeps
// the results read from the file and reckons its line count and each
// exercise's line numbers from their number; a line's text is made only
// when it is asked for, so a full file costs the memory of its results, not
// of its formatted lines.

#include "foundation/date_time.h"
#include "student_files/student_data_files.h"

#include <array>
#include <string>
#include <vector>

namespace student_files {

inline constexpr int listed_exercises = 9;
inline constexpr std::size_t max_results_line_length = 255;

struct results_line {
    enum style_kind : unsigned char { blank = 0, heading = 1, plain = 2 };
    style_kind style = blank;
    std::string text;   // at most 255 characters
};

struct exercise_lines {
    int first_line = 0;   // numbered from 1 over the whole list; 0 for an exercise not read
    int last_line = 0;
};

class results_listing {
public:
    results_listing() = default;
    // `titles` are the nine exercise captions, `labels` the entries 2 to 6
    // of the results window's texts (start, duration, level, objects, correct).
    results_listing(result_chains chains, const std::array<std::string, listed_exercises>& titles,
                    const std::array<std::string, 5>& labels);

    int line_count() const { return line_count_; }
    // Line i, 1 <= i <= line_count(); any other number reads as a blank line.
    results_line line(int i) const;
    const std::array<exercise_lines, listed_exercises>& exercises() const { return exercises_; }

private:
    results_line result_line(const results_format::result& r, int part) const;

    std::vector<std::vector<results_format::result>> results_;   // per exercise read, in chain order
    std::array<std::string, listed_exercises> titles_;
    std::array<std::string, 5> labels_;
    std::array<exercise_lines, listed_exercises> exercises_{};
    int line_count_ = 0;
};

// "hh:mm:ss,  dd-mm-yyyy"
std::string start_time_text(foundation::Tdate_time t);
// Whole hours right-aligned in two positions, then ":mm:ss": " 0:04:07", "26:03:09".
std::string duration_text(foundation::Tdate_time d);

results_listing build_results_lines(result_chains chains, const std::array<std::string, listed_exercises>& titles,
                                    const std::array<std::string, 5>& labels);

// The texts of all lines with CR LF between two lines and none after the last.
std::string results_copy_text(const results_listing& listing);

} // namespace student_files
