#pragma once
// The projection method symbols, loaded once at start-up from the
// program's resources: the American one (64 x 30 pixels) and the European
// one (63 x 29), black on white.

#include "geometry/drawing/resource_bitmap.h"

#include <string>

namespace geometry::drawing {

extern Tresource_bitmap american_symbol;
extern Tresource_bitmap european_symbol;

inline constexpr const char* american_symbol_name = "AMERICAN_PROJECTION";
inline constexpr const char* european_symbol_name = "EUROPEAN_PROJECTION";

// Loads both symbols from the resources of those names; when either is
// missing the program stops with "Could not load some projection symbol
// resource".
void load_projection_symbols(const std::string& american_name = american_symbol_name,
                             const std::string& european_name = european_symbol_name);
void release_projection_symbols();

} // namespace geometry::drawing
