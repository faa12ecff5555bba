#pragma once
// The program-wide state set once at start-up. Each global object lives in
// the library that defines its class (student_data_files in student_files/,
// guidance in tutor/); text_handler lives here.

#include <memory>
#include <string>

namespace foundation {

class Ttextfile_handler;

extern std::string start_directory;     // ends in the separator
extern std::string program_directory;   // ends in the separator
extern std::string settings_file_name;
extern std::string settings_file_path;
extern bool settings_on_cd_rom;         // never true on this platform
extern bool store_settings_between_sessions;
extern bool palette_device;             // 24-bit colour: always false here
extern std::string message_caption;
extern std::string out_of_memory_message;
extern std::unique_ptr<Ttextfile_handler> text_handler;

} // namespace foundation
