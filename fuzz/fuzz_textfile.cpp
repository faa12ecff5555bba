// Arbitrary bytes as a text-section file: parsing and every lookup must hold,
// and every entry is valid UTF-8 of at most the longest line's characters.
#include "foundation/text_encoding.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_name_text.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace foundation;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto handler = Ttextfile_handler::from_text(text, problem);
    for (const char* name : {"A", "STUDENTS_MANAGER", ""}) {
        for (int k = -1; k < 6; ++k) {
            const std::string entry = handler.read_entry(name, k);
            if (!platform::is_utf8(entry)
                || utf8_prefix_length(entry, Ttextfile_handler::max_line_length) != entry.size())
                __builtin_trap();
        }
    }
    return 0;
}
