#include "foundation/globals.h"

#include "foundation/textfile_handler.h"

namespace foundation {

std::string start_directory;
std::string program_directory;
std::string settings_file_name;
std::string settings_file_path;
bool settings_on_cd_rom = false;
bool store_settings_between_sessions = false;
bool palette_device = false;
std::string message_caption;
std::string out_of_memory_message = "Out of Memory";
std::unique_ptr<Ttextfile_handler> text_handler;

} // namespace foundation
