#pragma once
// The checks a new student's name and password pass before a results file
// is created for them, in the order the create dialog makes them: the
// name's length, a password at all, the password's length, a name that
// cannot be a file name, an existing results file, a password whose codes
// do not fit the file. Lengths count characters (UTF-8), blanks included.

#include <optional>
#include <string>

namespace student_files {

class Tstudent_data_files_object;

inline constexpr std::size_t min_student_name_length = 6;
inline constexpr std::size_t min_password_length = 5;

struct new_student_refusal {
    enum field_kind { name_field, password_field };
    field_kind field = name_field;   // the field to correct
    std::string message;             // an entry of "NEW_STUDENT_DIALOG" or a fixed file-name message
};

// Nothing when a results file may be created for the name and password.
std::optional<new_student_refusal> refuse_new_student(const Tstudent_data_files_object& files,
                                                      const std::string& name, const std::string& password);

// True when something already stands at the student's results file name.
bool results_file_exists(const Tstudent_data_files_object& files, const std::string& name);

// The number of characters of UTF-8 text (bytes that do not continue a character).
std::size_t characters_in(const std::string& text);

} // namespace student_files
