#pragma once
// Pictures from the program's compiled-in BMP resources, with the colour
// count of their header and, on a palette device, a palette of their own.

#include "platform/core/bmp.h"
#include "platform/core/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace geometry::drawing {

struct Tresource_bitmap {
    std::vector<std::uint8_t> resource;   // the BMP's bytes; empty when there is none
    int colours = 0;
    platform::bmp_layout layout;          // where its header, colour table and rows lie
    std::vector<platform::colour_ref> palette;   // empty unless made on a palette device
    platform::bitmap picture;             // what drawing sets on the device
};

inline constexpr std::size_t max_resource_name = 100;

// A missing or unreadable resource gives an empty record, which drawing ignores.
Tresource_bitmap load_resource_bitmap(const std::string& name, bool with_palette);
void draw_resource_bitmap(platform::Canvas& dc, const Tresource_bitmap& record, int x, int y);
void free_resource_bitmap(Tresource_bitmap& record);

} // namespace geometry::drawing
