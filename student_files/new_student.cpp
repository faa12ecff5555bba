#include "student_files/new_student.h"

#include "foundation/texts.h"
#include "student_files/student_data_files.h"

using namespace foundation;

namespace student_files {

namespace {

new_student_refusal entry_refusal(text_names::new_student_dialog entry, new_student_refusal::field_kind field)
{
    return {field, text_of(entry)};
}

} // namespace

std::optional<new_student_refusal> refuse_new_student(const Tstudent_data_files_object& files,
                                                      const std::string& name, const std::string& password)
{
    using field = new_student_refusal;
    using dialog_text = text_names::new_student_dialog;
    if (characters_in(name) < min_student_name_length)
        return entry_refusal(dialog_text::explanation, field::name_field);
    if (password.empty())
        return entry_refusal(dialog_text::password_missing, field::password_field);
    if (characters_in(password) < min_password_length)
        return entry_refusal(dialog_text::explanation, field::password_field);
    if (std::string problem = student_name_problem(name); !problem.empty())
        return new_student_refusal{field::name_field, std::move(problem)};
    if (results_file_exists(files, name))
        return entry_refusal(dialog_text::file_exists, field::name_field);
    if (std::string problem = password_problem(password); !problem.empty())
        return new_student_refusal{field::password_field, std::move(problem)};
    return std::nullopt;
}

bool results_file_exists(const Tstudent_data_files_object& files, const std::string& name)
{
    return files.results_file_exists(name);
}

std::size_t characters_in(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace student_files
