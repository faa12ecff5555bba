#include "geometry/drawing/resource_bitmap.h"

#include "foundation/globals.h"
#include "platform/gui/resource_file.h"
#include "resources/resources.h"

#include <algorithm>

using namespace foundation;
using namespace resources;

namespace geometry::drawing {

Tresource_bitmap load_resource_bitmap(const std::string& name, bool with_palette)
{
    init_resources();
    auto bytes = platform::read_resource(name.substr(0, max_resource_name));
    if (!bytes)
        return {};
    const auto layout = platform::read_bmp_layout(*bytes);
    const auto picture = layout ? platform::decode_bmp(*bytes, *layout) : std::nullopt;
    if (!picture)
        return {};
    Tresource_bitmap record;
    record.colours = layout->colours;
    record.layout = *layout;
    record.picture = *picture;
    if (with_palette && palette_device) {
        // At most 256 entries, from the colour table's blue-green-red quads.
        record.palette = platform::bmp_colour_table(*bytes, *layout);
        record.palette.resize(std::min<std::size_t>(record.palette.size(), 256));
    }
    record.resource = std::move(*bytes);
    return record;
}

// The record's palette needs no realising on a 24-bit canvas: the picture
// already holds the colours.
void draw_resource_bitmap(platform::Canvas& dc, const Tresource_bitmap& record, int x, int y)
{
    if (record.resource.empty())
        return;
    dc.draw_bitmap(x, y, record.picture, platform::raster_operation::copy);
}

void free_resource_bitmap(Tresource_bitmap& record)
{
    record = {};
}

} // namespace geometry::drawing
