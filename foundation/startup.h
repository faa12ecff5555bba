#pragma once
// The foundation's share of start-up: settings, directories, flags and the
// text-section file, in that order. A missing text-section file stops the
// program. The later steps (geometry, student files, guidance, windows)
// belong to the program that calls this.

#include <string>

void start_up_foundation(const std::string& program_file);
