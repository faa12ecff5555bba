#include "students_cli/cli_session.h"

#include "foundation/globals.h"
#include "foundation/startup.h"
#include "platform/core/file_system.h"

using namespace foundation;
using namespace student_files;

namespace students_cli {

cli_session::cli_session(const cli_options& options, std::ostream& err)
    : directory_(options.directory), err_(err),
      previous_presenter_(platform::set_message_presenter([this](const platform::message_request& r) {
          return present(r);
      }))
{
    set_program_paths(options.program_file);
    if (options.settings)
        settings_file_path = platform::full_path(*options.settings);
}

cli_session::~cli_session()
{
    platform::set_message_presenter(std::move(previous_presenter_));
}

int cli_session::present(const platform::message_request& request)
{
    const int answer = platform::escape_answer(request.flags);
    err_ << "students: " << request.text;
    if ((request.flags & 0x0F) != platform::MB_OK)
        err_ << (answer == platform::IDNO ? " [answered No]" : " [answered Cancel]");
    err_ << '\n';
    if ((request.flags & 0xF0) == platform::MB_ICONERROR)
        ++errors_;
    return answer;
}

bool cli_session::report(const outcome& result)
{
    if (result.message().empty())
        return result.done();
    err_ << "students: " << result.message() << '\n';
    ++errors_;
    return false;
}

bool cli_session::load_texts()
{
    const settings_and_texts_outcome read = try_read_settings_and_texts();
    report(read.settings);
    return report(read.texts);
}

bool cli_session::open_files()
{
    files_ = directory_ ? std::make_unique<Tstudent_data_files_object>(platform::full_path(*directory_))
                        : std::make_unique<Tstudent_data_files_object>();
    if (files_->directory_missing())
        err_ << "students: " << files_->directory_question() << " [answered No]\n";
    return report(files_->usable_directory());
}

Tstudent_data_files_object& cli_session::files()
{
    return *files_;
}

} // namespace students_cli
