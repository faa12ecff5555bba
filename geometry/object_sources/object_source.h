#pragma once
// Compiles the readable description of solids into the object-file format
// the tutor reads, checking every object on the way: limits, names, and
// that each solid is closed with every surface facing out (solid_check.h).
// The description is explained at the top of data/objects/solids.txt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace geometry::object_sources {

struct object_source_result {
    std::vector<std::uint8_t> bytes;   // the object file; empty when there are errors
    std::vector<std::string> errors;   // "FILE:LINE: message"
};

object_source_result compile_object_source(std::string_view text, const std::string& file_name);

} // namespace geometry::object_sources
