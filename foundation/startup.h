#pragma once
// The foundation's share of start-up: settings, directories, flags and the
// text-section file, in that order. A missing text-section file stops the
// program. The later steps (geometry, student files, guidance, windows)
// belong to the program that calls this.

#include "foundation/outcome.h"

#include <string>

namespace foundation {

void start_up_foundation(const std::string& program_file);

// Its two halves, for a program that points the settings elsewhere between
// them: the directories and the settings file's path from the program's own
// file, then the settings check, the flags and the text-section file.
void set_program_paths(const std::string& program_file);
void read_settings_and_texts();

// The second half without a box or a stop, for a program without windows:
// what went wrong with the settings file (the reading goes on) and with the
// text-section file (nothing is loaded then).
struct settings_and_texts_outcome {
    outcome settings;
    outcome texts;
};
settings_and_texts_outcome try_read_settings_and_texts();

} // namespace foundation
