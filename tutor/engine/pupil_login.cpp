#include "tutor/engine/pupil_login.h"

#include "platform/core/file_system.h"
#include "student_files/student_data_files.h"
#include "tutor/engine/guidance.h"

bool log_in_pupil(const std::string& name, const std::string& password)
{
    if (!student_data_files || !guidance || !student_name_problem(name).empty())
        return false;
    // A missing file is a wrong name, not an input/output error to report.
    const std::string path = student_data_files->results_file_name(name);
    if (platform::path_status(path).kind != platform::entry_kind::file)
        return false;
    results_format::settings settings;
    if (!student_data_files->check_results_file(path, password) || !student_data_files->read_settings(name, settings))
        return false;
    if (!guidance->pupil_name().empty())
        guidance->save_state();
    guidance->restore_state(name, settings);
    return true;
}
