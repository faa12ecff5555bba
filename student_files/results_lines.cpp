#include "student_files/results_lines.h"

#include <cstdio>

using results_format::result;

namespace {

void add_line(results_listing& listing, results_line::style_kind style, const std::string& text = {})
{
    listing.lines.push_back({style, text.substr(0, max_results_line_length)});
}

void add_result_lines(results_listing& listing, const result& r, const std::array<std::string, 5>& labels)
{
    const Tdate_time start = unpack_date_time(r.start_time);
    add_line(listing, results_line::plain, labels[0] + start_time_text(start));
    add_line(listing, results_line::plain, labels[1] + duration_text(unpack_date_time(r.end_time) - start));
    add_line(listing, results_line::plain, labels[2] + std::to_string(r.level));
    add_line(listing, results_line::plain, labels[3] + std::to_string(r.objects));
    add_line(listing, results_line::plain, labels[4] + std::to_string(r.correct));
    add_line(listing, results_line::blank);
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

results_listing build_results_lines(const result_chains& chains, const std::array<std::string, listed_exercises>& titles,
                                    const std::array<std::string, 5>& labels)
{
    results_listing listing;
    const std::size_t shown = std::min<std::size_t>(chains.exercises.size(), listed_exercises);
    for (std::size_t k = 0; k < shown; ++k) {
        listing.exercises[k].first_line = static_cast<int>(listing.lines.size()) + 1;
        add_line(listing, results_line::heading, "   " + titles[k]);
        add_line(listing, results_line::blank);
        for (const result& r : chains.exercises[k])
            add_result_lines(listing, r, labels);
        // Reading stopped inside the last exercise read: no final line for it.
        if (chains.complete || k + 1 < chains.exercises.size())
            add_line(listing, results_line::blank);
        listing.exercises[k].last_line = static_cast<int>(listing.lines.size());
    }
    return listing;
}

std::string results_copy_text(const std::vector<results_line>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i].text;
    }
    return text;
}
