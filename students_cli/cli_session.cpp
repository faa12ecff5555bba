#include "students_cli/cli_session.h"

#include "foundation/globals.h"
#include "foundation/texts.h"
#include "platform/core/file_system.h"

using namespace foundation;
using namespace student_files;

namespace students_cli {

using answer_text = text_names::students_tool_messages;

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
        err_ << ' ' << text_of(answer == platform::IDNO ? answer_text::answered_no : answer_text::answered_cancel);
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

void cli_session::load_texts()
{
    texts_read_ = try_read_settings_and_texts();
}

bool cli_session::report_texts()
{
    report(texts_read_.settings);
    return report(texts_read_.texts);
}

int cli_session::refuse(const usage_problem& problem)
{
    if (!report(texts_read_.texts))
        return 2;
    report(problem.text());
    err_ << "students: " << text_of(text_names::students_tool_usage::see_help) << '\n';
    return 2;
}

bool cli_session::open_files()
{
    files_ = directory_ ? std::make_unique<Tstudent_data_files_object>(platform::full_path(*directory_))
                        : std::make_unique<Tstudent_data_files_object>();
    if (files_->directory_missing())
        err_ << "students: " << files_->directory_question() << ' ' << text_of(answer_text::answered_no) << '\n';
    return report(files_->usable_directory());
}

Tstudent_data_files_object& cli_session::files()
{
    return *files_;
}

} // namespace students_cli
