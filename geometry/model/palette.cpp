#include "geometry/model/palette.h"

#include "geometry/model/solid.h"

namespace geometry::model {

using platform::rgb;

const std::array<platform::colour_ref, 16> palette = {
    rgb(0, 0, 0),       rgb(0, 0, 128),     rgb(0, 128, 0),   rgb(0, 128, 128),
    rgb(128, 0, 0),     rgb(128, 0, 128),   rgb(128, 128, 0), rgb(192, 192, 192),
    rgb(128, 128, 128), rgb(0, 0, 255),     rgb(0, 255, 0),   rgb(0, 255, 255),
    rgb(255, 0, 0),     rgb(255, 0, 255),   rgb(255, 255, 0), rgb(255, 255, 255),
};

std::array<platform::colour_ref, 16> nearest_colours = palette;

void compute_nearest_colours()
{
    nearest_colours = palette;
}

platform::colour_ref display_colour(int index)
{
    if (index >= 0 && index < static_cast<int>(nearest_colours.size()))
        return nearest_colours[static_cast<std::size_t>(index)];
    return index == cut_surface_colour ? navy : platform::black;
}

} // namespace geometry::model
