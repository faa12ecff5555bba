#pragma once
// The text lines of one student's results as the results window shows,
// prints and copies them: per exercise a heading, a blank line, five lines
// and a blank line per result, and a final blank line.

#include "foundation/date_time.h"
#include "student_files/student_data_files.h"

#include <array>
#include <string>
#include <vector>

inline constexpr int listed_exercises = 9;
inline constexpr std::size_t max_results_line_length = 255;

struct results_line {
    enum style_kind : unsigned char { blank = 0, heading = 1, plain = 2 };
    style_kind style = blank;
    std::string text;   // at most 255 characters
};

struct exercise_lines {
    int first_line = 0;   // numbered from 1 over the whole list
    int last_line = 0;
};

struct results_listing {
    std::vector<results_line> lines;   // line i is lines[i - 1]
    std::array<exercise_lines, listed_exercises> exercises{};
};

// "hh:mm:ss,  dd-mm-yyyy"
std::string start_time_text(Tdate_time t);
// Whole hours right-aligned in two positions, then ":mm:ss": " 0:04:07", "26:03:09".
std::string duration_text(Tdate_time d);

// `titles` are the nine exercise captions, `labels` the entries 2 to 6 of
// the results window's texts (start, duration, level, objects, correct).
results_listing build_results_lines(const result_chains& chains, const std::array<std::string, listed_exercises>& titles,
                                    const std::array<std::string, 5>& labels);

// The texts of all lines with CR LF between two lines and none after the last.
std::string results_copy_text(const std::vector<results_line>& lines);
