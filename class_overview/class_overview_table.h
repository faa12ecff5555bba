#pragma once
// The class overview as a table: per student one row per exercise 1 to 9
// and one for all exercises, then the class average the same way. Cells are
// texts, so a window shows them in its table and a printout in columns of
// a fixed-pitch font. Headings and labels come from section "CLASS_OVERVIEW".

#include "foundation/text_names.h"
#include "class_overview/class_overview.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace class_overview {

inline constexpr std::size_t overview_columns = 7;   // student, exercise, results, objects, correct, %, time
using overview_cells = std::array<std::string, overview_columns>;

// An entry of the class overview's texts, without its "&" mark.
std::string overview_text(foundation::text_names::class_overview entry);

// The first `count` characters of a UTF-8 text, whole characters only.
std::string first_characters(const std::string& text, std::size_t count);

overview_cells overview_headings();

// A student's name stands in the first of its rows only.
std::vector<overview_cells> overview_rows(const class_overview& overview);

// Each column as wide as its widest cell (a name at most 24 characters).
std::array<std::size_t, overview_columns> overview_widths(const std::vector<overview_cells>& rows);

// The cells in their columns: names and exercises to the left, numbers to the right.
std::string overview_line(const overview_cells& cells, const std::array<std::size_t, overview_columns>& widths);

} // namespace class_overview
