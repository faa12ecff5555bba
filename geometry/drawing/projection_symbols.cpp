#include "geometry/drawing/projection_symbols.h"

#include "foundation/messages.h"

using namespace foundation;

namespace geometry::drawing {

Tresource_bitmap american_symbol;
Tresource_bitmap european_symbol;

void load_projection_symbols(const std::string& american_name, const std::string& european_name)
{
    american_symbol = load_resource_bitmap(american_name, true);
    european_symbol = load_resource_bitmap(european_name, true);
    if (american_symbol.resource.empty() || european_symbol.resource.empty())
        stop_with_message("Could not load some projection symbol resource");
}

void release_projection_symbols()
{
    free_resource_bitmap(american_symbol);
    free_resource_bitmap(european_symbol);
}

} // namespace geometry::drawing
