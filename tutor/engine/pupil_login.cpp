#include "tutor/engine/pupil_login.h"

#include "platform/core/file_system.h"
#include "student_files/student_data_files.h"
#include "tutor/engine/guidance.h"

using namespace foundation;
using namespace student_files;

namespace tutor::engine {

outcome log_in_pupil(const std::string& name, const std::string& password)
{
    if (!student_data_files || !guidance || !student_name_problem(name).empty())
        return outcome::failed_quietly();
    // A missing file is a wrong name, not an input/output error to report.
    const std::string path = student_data_files->results_file_name(name);
    if (platform::path_status(path).kind != platform::entry_kind::file)
        return outcome::failed_quietly();
    read_outcome<bool> fits = student_data_files->check_results_file(path, password);
    if (!fits.status)
        return fits.status;
    if (!fits.value)
        return outcome::failed_quietly();
    results_format::settings settings;
    if (outcome read = student_data_files->read_settings(name, settings); !read)
        return read;
    if (!guidance->pupil_name().empty())
        guidance->save_state();
    guidance->restore_state(name, settings);
    return {};
}

} // namespace tutor::engine
