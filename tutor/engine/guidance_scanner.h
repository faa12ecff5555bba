#pragma once
// The guidance language's characters, one at a time, from the kept lines in
// order: blanks and tabs are skipped everywhere (inside keywords and numbers
// too), line ends count for nothing, letters come as capitals. At the end of
// the text the current character is a blank and at_end() is true.

#include "tutor/engine/guidance_file.h"

#include <cstddef>
#include <string>

namespace tutor::engine {

class guidance_scanner {
public:
    explicit guidance_scanner(const guidance_text& text);

    char current() const { return current_; }
    bool at_end() const { return at_end_; }
    void advance();
    // The line of the current character; at the end, the line of the last one.
    const std::string& current_line() const;
    // The index of that line in the text; -1 for a text without characters.
    int current_line_index() const { return last_line_; }
    // The current character's place in that line; at the end, the line's end.
    std::size_t current_column() const;

private:
    void settle();

    const guidance_text& text_;
    int line_ = 0;
    std::size_t column_ = 0;
    int last_line_ = -1;
    char current_ = ' ';
    bool at_end_ = false;
};

} // namespace tutor::engine
