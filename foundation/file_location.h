#pragma once
// Finding files by name: the name itself, the start directory, the program
// directory. Every attempt is matched without regard to case.

#include <string>

namespace foundation {

enum find_file_options : unsigned {
    find_skip_name_itself = 1,
    find_skip_program_directory = 4,
};

struct found_file {
    bool found = false;
    std::string path;
};

found_file find_file(const std::string& name, unsigned options);

enum file_status_kind { file_is_directory = 0, file_is_file = 1, file_not_found = 2, file_error = 3 };

struct file_status_result {
    std::string path;
    int status = file_not_found;
    int code = 0;
};

file_status_result file_status(const std::string& name, bool search);

struct prefixed_path {
    bool relative = false;
    std::string path;
};

prefixed_path prefix_if_relative(const std::string& name, const std::string& directory);

void add_default_extension(std::string& name, const std::string& extension);

} // namespace foundation
