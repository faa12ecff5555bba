#pragma once
// Locating and reading the guidance file: the lines the compiler sees, with
// comment lines left out and "#" remarks cut. Problems with the file are
// reported as one of four messages; they are not fatal.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tutor::engine {

// At most 500 kept lines, in file order.
class guidance_text {
public:
    static constexpr int max_lines = 500;

    int count() const { return count_; }
    // Line 0 .. count - 1; others throw std::out_of_range.
    const std::string& line(int index) const;
    // The line's number in the file, from 1 (0 when it was not given).
    int source_line(int index) const;
    // False, and nothing kept, when the text is full.
    bool add(std::string line, int source_line = 0);

private:
    std::array<std::string, max_lines> lines_;
    std::array<int, max_lines> source_lines_{};
    int count_ = 0;
};

struct guidance_reading {
    guidance_text text;
    std::string problem;   // the message to show; empty when the file was read
};

// The setting "Guidance File" (default GUID1.TXT), with ".TXT" added when it has no extension.
std::string guidance_file_name_from_settings();

// Finds the file by name (itself, the start directory, the program directory) and reads it.
guidance_reading read_guidance_file(const std::string& name);

// The kept lines of text already in memory; `name` is the file's name for the messages.
guidance_reading split_guidance_text(std::string_view contents, const std::string& name);

} // namespace tutor::engine
