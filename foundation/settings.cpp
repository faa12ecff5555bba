#include "foundation/settings.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/messages.h"
#include "platform/core/file_system.h"
#include "platform/core/ini_file.h"
#include "platform/core/message_box.h"

namespace foundation {

namespace {

std::string settings_path_for(const std::string& file)
{
    return platform::resolve_ignoring_case(file.empty() ? settings_file_path : file);
}

} // namespace

std::string read_setting(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& default_value)
{
    auto value = platform::ini_read(settings_path_for(file), section, key).value_or(default_value);
    if (value.size() > max_setting_length)
        value.resize(max_setting_length);
    return value;
}

bool write_setting(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value, int& error_number)
{
    error_number = 0;
    if (file.empty() && settings_on_cd_rom)
        return false;
    const platform::file_update update = platform::ini_write(settings_path_for(file), section, key, value);
    error_number = update.error_number;
    return update.written;
}

bool write_setting(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value)
{
    int error_number = 0;
    return write_setting(file, section, key, value, error_number);
}

bool read_yes_no_setting(const std::string& file, const std::string& section, const std::string& key,
                         bool default_value)
{
    const std::string value = read_setting(file, section, key, default_value ? "Y" : "N");
    if (value.empty())
        return false;
    const char first = platform::ascii_upper(value.front());
    return first == 'Y' || first == 'T';
}

void check_settings_file(bool fatal)
{
    const outcome present = settings_file_check();
    if (!present && fatal)
        stop_with_message(present.message());
    show_if_failed(present);
}

outcome settings_file_check()
{
    settings_on_cd_rom = false;
    if (file_status(settings_file_path, false).status == file_is_file)
        return {};
    return outcome::failed("There is a problem with the file " + platform::ascii_upper(settings_file_path));
}

} // namespace foundation
