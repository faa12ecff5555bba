#pragma once
// What a command of the students tool works with, set up the way the
// manager sets itself up, without a window: the settings file, the
// text-section file and the student files directory. The program's code
// returns what went wrong and the session writes it to the error stream; a
// missing directory is not created (the manager's question is answered No).
// No message box is ever shown: one would go to the error stream too.

#include "foundation/outcome.h"
#include "foundation/startup.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "students_cli/command_args.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace students_cli {

struct cli_options {
    std::string program_file;               // the tool's own file: its directory is the program directory
    std::optional<std::string> settings;    // --settings FILE
    std::optional<std::string> directory;   // --dir DIR
};

class cli_session {
public:
    cli_session(const cli_options& options, std::ostream& err);
    ~cli_session();
    cli_session(const cli_session&) = delete;
    cli_session& operator=(const cli_session&) = delete;

    // The settings check and the text-section file, as at the manager's
    // start; what went wrong is written by report_texts.
    void load_texts();
    // Writes what went wrong in load_texts; false when the texts are missing.
    bool report_texts();
    // The student files directory of the settings (or of --dir); false
    // (after the messages) when it cannot be used.
    bool open_files();
    // The directory open_files opened.
    student_files::Tstudent_data_files_object& files();

    // Writes the message of a failure to the error stream; true when done.
    bool report(const foundation::outcome& result);
    // Writes a message of the tool's own as a failure.
    void report(const std::string& message) { (void)report(foundation::outcome::failed(message)); }
    // Writes why the command line cannot run and where help is (or, without
    // the texts, why nothing can be said); returns the exit code, 2.
    int refuse(const usage_problem& problem);
    // Error messages written since the session began.
    int errors_reported() const { return errors_; }
    std::ostream& err() { return err_; }

private:
    int present(const platform::message_request& request);

    std::optional<std::string> directory_;
    foundation::settings_and_texts_outcome texts_read_;
    std::ostream& err_;
    int errors_ = 0;
    platform::message_presenter previous_presenter_;
    std::unique_ptr<student_files::Tstudent_data_files_object> files_;
};

} // namespace students_cli
