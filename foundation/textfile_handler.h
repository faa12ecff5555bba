#pragma once
// The text-section file, loaded once into memory. Every caption and message
// of the program is read from it by section name and entry number, by the
// names of foundation/texts.h.
// The file is read as UTF-8 when it is valid UTF-8 and as Windows-1252
// otherwise; the texts it hands out are UTF-8. It does not check the wording.

#include "foundation/outcome.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

class Ttextfile_handler {
public:
    static constexpr std::size_t max_line_length = 255;   // characters

    // Loads the file found by find_file(file_name, 0). A missing file, or a
    // section named twice, is fatal when `fatal` is set and otherwise shown
    // and left with the sections read so far.
    Ttextfile_handler(const std::string& file_name, bool& found, bool fatal);

    // The same without a box or a stop: `read` fails with the message.
    static Ttextfile_handler from_file(const std::string& file_name, outcome& read, bool& found);
    // Parses text already in memory; `problem` receives the fault, if any.
    static Ttextfile_handler from_text(std::string_view contents, std::string& problem);

    std::string read_entry(const std::string& section, int k) const;
    bool has_section(const std::string& section) const;
    int entry_count(const std::string& section) const;

private:
    Ttextfile_handler() = default;
    // Empty on success, else the name of the section found twice.
    std::string parse(std::string_view contents);

    std::map<std::string, std::vector<std::string>> sections_;   // by upper-cased name
};

// A caption of a menu item, button or check box marks its Alt key with "&"
// ("&&" is a plain "&"); where the caption serves as a title or a label the
// mark is dropped.
std::string without_mnemonic(const std::string& caption);

// Start-up: loads the file named by the settings and sets the message caption
// and the out-of-memory text from it; a file that cannot be loaded stops the program.
void load_text_section_file();
// The same without a stop: failed with the message, nothing loaded then.
outcome read_text_section_file();

} // namespace foundation
