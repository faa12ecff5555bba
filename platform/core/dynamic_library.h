#pragma once
// Loading a library of another vendor by its file and looking up its entry
// points by name, as the tutor does with the system-monopolizing library.

#include <cstdint>
#include <string>

namespace platform {

using library_handle = void*;

// Null when the file cannot be loaded as a library.
library_handle load_library(const std::string& path);
// Null when the library has no such symbol.
void* library_symbol(library_handle library, const std::string& name);
// False when the library could not be unloaded.
bool free_library(library_handle library);

std::uint32_t current_process_id();

} // namespace platform
