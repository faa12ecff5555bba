#pragma once
// The class overview: per student and per exercise 1 to 9 the results done,
// the objects done and done correctly, and the time spent (end minus start
// of each result), split by practice level too; the same summed over the
// class. Read through the student data files object, so a file that cannot
// be read fails as every operation fails (its student's status), and counts
// with what was read of it. Widget-free; the table and the charts are drawn elsewhere.

#include "foundation/date_time.h"
#include "foundation/outcome.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace student_files {
class Tstudent_data_files_object;
}

namespace class_overview {

inline constexpr int overview_exercises = 9;
inline constexpr int overview_levels = 3;

struct overview_tally {
    long results = 0;
    long objects = 0;
    long correct = 0;
    foundation::Tdate_time time = 0;
    std::array<long, overview_levels> level_objects{};   // levels 1 to 3; other levels count in the sums only
    std::array<long, overview_levels> level_correct{};

    void add(const overview_tally& other);
};

struct student_overview {
    std::string name;
    std::array<overview_tally, overview_exercises> exercises{};
    overview_tally total;
    foundation::outcome status;   // failed when the file could not be read to its end
};

struct class_overview {
    std::vector<student_overview> students;   // in the order given
    std::array<overview_tally, overview_exercises> exercises{};   // summed over the class
    overview_tally total;
};

// The students by name, in the order given (the manager's list order).
class_overview build_class_overview(student_files::Tstudent_data_files_object& files, const std::vector<std::string>& names);

// correct x 100 div objects, truncated as the concise results do; none without objects.
std::optional<long> percentage_of(long correct, long objects);

// The class average of a sum: the sum over the number of students, one decimal ("2.5"; "0.0" without students).
std::string class_average_text(double sum, std::size_t students);

} // namespace class_overview
