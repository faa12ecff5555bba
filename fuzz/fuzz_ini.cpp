// Arbitrary bytes as a settings file: reading and updating must hold, and a
// value written must read back.
#include "platform/core/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)platform::ini_find(text, "GENERAL", "Text File");
    const std::string updated = platform::ini_update(text, "GENERAL", "Text File", "X.TXT");
    const auto back = platform::ini_find(updated, "GENERAL", "Text File");
    // A key line inside a bracket-less or odd file may shadow ours only when
    // the same section and key already stood earlier; then that one was replaced.
    if (!back || *back != "X.TXT")
        __builtin_trap();
    return 0;
}
