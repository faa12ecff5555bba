#include "class_overview/class_overview.h"

#include "student_files/student_data_files.h"

#include <cstdio>

using namespace student_files;

namespace class_overview {

void overview_tally::add(const overview_tally& other)
{
    results += other.results;
    objects += other.objects;
    correct += other.correct;
    time += other.time;
    for (std::size_t l = 0; l < level_objects.size(); ++l) {
        level_objects[l] += other.level_objects[l];
        level_correct[l] += other.level_correct[l];
    }
}

namespace {

overview_tally tally_of(const std::vector<results_format::result>& results)
{
    overview_tally t;
    date_unpacker unpack;
    for (const results_format::result& r : results) {
        ++t.results;
        t.objects += r.objects;
        t.correct += r.correct;
        t.time += unpack(r.end_time) - unpack(r.start_time);
        if (r.level >= 1 && r.level <= overview_levels) {
            t.level_objects[r.level - 1u] += r.objects;
            t.level_correct[r.level - 1u] += r.correct;
        }
    }
    return t;
}

student_overview student_of(Tstudent_data_files_object& files, const std::string& name)
{
    student_overview s;
    s.name = name;
    const result_chains chains = files.read_result_chains(files.results_file_name(name), overview_exercises);
    s.status = chains.status;
    for (std::size_t e = 0; e < chains.exercises.size() && e < s.exercises.size(); ++e) {
        s.exercises[e] = tally_of(chains.exercises[e]);
        s.total.add(s.exercises[e]);
    }
    return s;
}

} // namespace

class_overview build_class_overview(Tstudent_data_files_object& files, const std::vector<std::string>& names)
{
    class_overview overview;
    for (const std::string& name : names) {
        overview.students.push_back(student_of(files, name));
        const student_overview& s = overview.students.back();
        for (std::size_t e = 0; e < s.exercises.size(); ++e)
            overview.exercises[e].add(s.exercises[e]);
        overview.total.add(s.total);
    }
    return overview;
}

std::optional<long> percentage_of(long correct, long objects)
{
    if (objects <= 0)
        return std::nullopt;
    return correct * 100 / objects;
}

std::string class_average_text(double sum, std::size_t students)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", students == 0 ? 0.0 : sum / static_cast<double>(students));
    return text;
}

} // namespace class_overview
