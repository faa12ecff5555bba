#include "foundation/startup.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"

namespace foundation {

namespace {

void read_flags()
{
    store_settings_between_sessions = read_yes_no_setting("", "GENERAL", "Store Settings between Sessions", false);
    palette_device = false;
}

} // namespace

void start_up_foundation(const std::string& program_file)
{
    set_program_paths(program_file);
    read_settings_and_texts();
}

void set_program_paths(const std::string& program_file)
{
    settings_file_name = "WinTola.ini";
    platform::set_executable_path(program_file);
    start_directory = platform::current_directory();
    program_directory = platform::executable_directory();
    settings_file_path = program_directory + settings_file_name;
}

void read_settings_and_texts()
{
    check_settings_file(false);
    read_flags();
    load_text_section_file();
}

settings_and_texts_outcome try_read_settings_and_texts()
{
    settings_and_texts_outcome result;
    result.settings = settings_file_check();
    read_flags();
    result.texts = read_text_section_file();
    return result;
}

} // namespace foundation
