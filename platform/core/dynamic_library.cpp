#include "platform/core/dynamic_library.h"

#include <dlfcn.h>
#include <unistd.h>

namespace platform {

library_handle load_library(const std::string& path)
{
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* library_symbol(library_handle library, const std::string& name)
{
    return library ? dlsym(library, name.c_str()) : nullptr;
}

bool free_library(library_handle library)
{
    return library && dlclose(library) == 0;
}

std::uint32_t current_process_id()
{
    return static_cast<std::uint32_t>(getpid());
}

} // namespace platform
