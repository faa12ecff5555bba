#pragma once
// The program's one way to its texts: an entry of the loaded text-section
// file by its name (foundation/text_names.h). A missing file, section or
// entry reads as the empty text, as the file's handler answers.

#include "foundation/globals.h"
#include "foundation/text_names.h"
#include "foundation/textfile_handler.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

// Texts with numbered places: "%1" to "%9" stand for the values given, in
// order; a place without a value stays as written.
std::string filled_in(const std::string& text, const std::vector<std::string>& values);

// Every entry of a section, each ended by a line break: the text of a
// section read as a page.
std::string section_lines(std::string_view section, int first_entry = 1);

// An entry of a section that several sections share the names of (the
// exercises' captions and instructions).
template <class Entry> std::string text_of_section(std::string_view section, Entry entry)
{
    return text_handler ? text_handler->read_entry(std::string(section), static_cast<int>(entry)) : std::string();
}

template <class Entry> std::string text_of(Entry entry)
{
    return text_of_section(section_name(entry), entry);
}

template <class Entry> std::string text_with(Entry entry, const std::vector<std::string>& values = {})
{
    return filled_in(text_of(entry), values);
}

// What went wrong, kept as an entry and the values for its places and
// composed only when shown: a reading tells it even without the texts.
template <class Entry> struct text_to_fill {
    Entry entry;
    std::vector<std::string> values;

    std::string text() const { return text_with(entry, values); }
};

// The entry `offset` places after `first`; empty beyond the section's
// named entries.
template <class Entry> std::string text_of(Entry first, int offset)
{
    const int k = static_cast<int>(first) + offset;
    return k >= 1 && k <= static_cast<int>(Entry::last) ? text_of(static_cast<Entry>(k)) : std::string();
}

// The named entries of one section, read once and looked up by name.
template <class Entry> class text_section {
public:
    static constexpr std::size_t size = static_cast<std::size_t>(Entry::last);

    // The entries of the loaded file.
    text_section()
    {
        for (std::size_t k = 1; k <= size; ++k)
            texts_[k - 1] = text_of(static_cast<Entry>(k));
    }

    // Texts given in entry order; those not given are empty.
    text_section(std::initializer_list<std::string> texts)
    {
        std::size_t k = 0;
        for (auto it = texts.begin(); it != texts.end() && k < size; ++it)
            texts_[k++] = *it;
    }

    const std::string& operator[](Entry entry) const { return texts_.at(static_cast<std::size_t>(entry) - 1); }

    // The entry `offset` places after `first`, which must be a named one.
    const std::string& at(Entry first, int offset) const
    {
        return (*this)[static_cast<Entry>(static_cast<int>(first) + offset)];
    }

private:
    std::array<std::string, size> texts_;
};

} // namespace foundation
