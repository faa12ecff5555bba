#pragma once
// What a command of the students tool works with, set up the way the
// manager sets itself up, without a window: the settings file, the
// text-section file and the student files directory. No message box is
// ever shown: each goes to the error stream, and a question is answered No
// (or Cancel), so nothing is created without being asked for. A fatal stop
// of the program's code ends the command (program_stopped reaches run_students).

#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/student_data_files.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

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

    // The settings check and the text-section file, as at the manager's start.
    void load_texts();
    // The student files directory of the settings (or of --dir), found on first use.
    Tstudent_data_files_object& files();

    // Error messages the program's code has written since the session began.
    int errors_reported() const { return errors_; }
    std::ostream& err() { return err_; }

private:
    int present(const platform::message_request& request);

    std::optional<std::string> directory_;
    std::ostream& err_;
    int errors_ = 0;
    platform::message_presenter previous_presenter_;
    platform::throwing_exit_guard exit_guard_;
    std::unique_ptr<Tstudent_data_files_object> files_;
};
