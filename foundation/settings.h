#pragma once
// The settings file. An empty file argument means settings_file_path.

#include "foundation/outcome.h"

#include <string>

namespace foundation {

inline constexpr std::size_t max_setting_length = 200;

std::string read_setting(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& default_value);
// False when the value could not be stored (nothing is written from a CD-ROM);
// a settings file that cannot be read is never rewritten. `error_number`
// receives the system's error number of a failure (0 for the CD-ROM).
bool write_setting(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);
bool write_setting(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value, int& error_number);
bool read_yes_no_setting(const std::string& file, const std::string& section, const std::string& key,
                         bool default_value);
// The start-up's check: an error box, or the fatal stop, when the settings
// file is missing.
void check_settings_file(bool fatal);
// The same without a box: failed with the message.
outcome settings_file_check();

} // namespace foundation
