#include "tools/students_cli/results_csv.h"

#include "foundation/date_time.h"
#include "student_files/student_data_files.h"
#include "tools/students_cli/csv.h"
#include "tutor/exercise_texts.h"

#include <cmath>
#include <cstdio>

namespace {

const std::vector<std::string> header{"student", "exercise", "title", "level", "start", "end",
                                      "duration_seconds", "objects", "correct"};

long duration_seconds(std::uint32_t start, std::uint32_t end)
{
    return std::lround((unpack_date_time(end) - unpack_date_time(start)) * 86400.0);
}

} // namespace

std::string iso_date_time(std::uint32_t packed)
{
    const calendar_time c = decode_date_time(unpack_date_time(packed));
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", c.year, c.month, c.day, c.hour, c.minute,
                  c.second);
    return text;
}

results_export export_results(Tstudent_data_files_object& files, const std::vector<listed_student>& students,
                              const exercise_texts& titles)
{
    results_export out;
    out.csv = csv_line(header);
    for (const listed_student& s : students) {
        const result_chains chains = files.read_result_chains(results_path(files.directory(), s), results_format::exercises);
        out.complete = out.complete && chains.complete;
        for (std::size_t k = 0; k < chains.exercises.size(); ++k) {
            const int exercise = static_cast<int>(k) + 1;
            const std::string title = exercise <= exercise_texts::exercise_count ? titles.title(exercise) : "";
            for (const results_format::result& r : chains.exercises[k]) {
                out.csv += csv_line({s.name, std::to_string(exercise), title, std::to_string(r.level),
                                     iso_date_time(r.start_time), iso_date_time(r.end_time),
                                     std::to_string(duration_seconds(r.start_time, r.end_time)),
                                     std::to_string(r.objects), std::to_string(r.correct)});
                ++out.rows;
            }
        }
    }
    return out;
}
