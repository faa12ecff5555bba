#include "student_files/results_lines.h"

#include <cstdio>
#include <utility>

using namespace foundation;

namespace student_files {

using student_files::results_format::result;

namespace {

// Per result: start, duration, level, objects, correct and a blank line.
constexpr int lines_per_result = 6;
// Before the results: the heading and a blank line.
constexpr int lines_before_results = 2;

results_line make_line(results_line::style_kind style, std::string text = {})
{
    if (text.size() > max_results_line_length)
        text.resize(max_results_line_length);
    return {style, std::move(text)};
}

} // namespace

std::string start_time_text(Tdate_time t)
{
    const calendar_time c = decode_date_time(t);
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d,  %02d-%02d-%04d", c.hour, c.minute, c.second, c.day, c.month,
                  c.year);
    return text;
}

std::string duration_text(Tdate_time d)
{
    const split_time s = split_duration(d);
    char text[40];
    std::snprintf(text, sizeof text, "%2ld:%02d:%02d", s.days * 24 + s.hours, s.minutes, s.seconds);
    return text;
}

// Reading that stopped inside an exercise leaves that exercise without its
// final blank line and the exercises after it unread.
results_listing::results_listing(result_chains chains, const std::array<std::string, listed_exercises>& titles,
                                 const std::array<std::string, 5>& labels)
    : results_(std::move(chains.exercises)), titles_(titles), labels_(labels)
{
    const std::size_t read = results_.size();
    if (read > static_cast<std::size_t>(listed_exercises))
        results_.resize(listed_exercises);
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const bool final_blank = chains.status.done() || k + 1 < read;
        const auto lines = lines_before_results + lines_per_result * static_cast<long long>(results_[k].size())
            + (final_blank ? 1 : 0);
        exercises_[k] = {line_count_ + 1, line_count_ + static_cast<int>(lines)};
        line_count_ = exercises_[k].last_line;
    }
}

results_line results_listing::line(int i) const
{
    for (std::size_t k = 0; k < results_.size(); ++k) {
        const exercise_lines& e = exercises_[k];
        if (i < e.first_line || i > e.last_line)
            continue;
        const int offset = i - e.first_line;
        if (offset == 0)
            return make_line(results_line::heading, "   " + titles_[k]);
        const int in_results = offset - lines_before_results;
        if (in_results < 0 || in_results >= lines_per_result * static_cast<int>(results_[k].size()))
            return {};
        return result_line(results_[k][static_cast<std::size_t>(in_results / lines_per_result)],
                           in_results % lines_per_result);
    }
    return {};
}

results_line results_listing::result_line(const result& r, int part) const
{
    const Tdate_time start = unpack_date_time(r.start_time);
    switch (part) {
    case 0: return make_line(results_line::plain, labels_[0] + start_time_text(start));
    case 1: return make_line(results_line::plain, labels_[1] + duration_text(unpack_date_time(r.end_time) - start));
    case 2: return make_line(results_line::plain, labels_[2] + std::to_string(r.level));
    case 3: return make_line(results_line::plain, labels_[3] + std::to_string(r.objects));
    case 4: return make_line(results_line::plain, labels_[4] + std::to_string(r.correct));
    default: return {};
    }
}

results_listing build_results_lines(result_chains chains, const std::array<std::string, listed_exercises>& titles,
                                    const std::array<std::string, 5>& labels)
{
    return results_listing(std::move(chains), titles, labels);
}

std::string results_copy_text(const results_listing& listing)
{
    std::string text;
    for (int i = 1; i <= listing.line_count(); ++i) {
        if (i > 1)
            text += "\r\n";
        text += listing.line(i).text;
    }
    return text;
}

} // namespace student_files
