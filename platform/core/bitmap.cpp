#include "platform/core/bitmap.h"

#include <cstddef>

namespace platform {

bitmap bitmap::filled(int width, int height, colour_ref colour)
{
    bitmap b;
    if (width <= 0 || height <= 0)
        return b;
    b.width = width;
    b.height = height;
    b.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour);
    return b;
}

colour_ref bitmap::at(int x, int y) const
{
    if (!contains(x, y))
        return invalid_colour;
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
}

void bitmap::set(int x, int y, colour_ref colour)
{
    if (contains(x, y))
        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = colour;
}

} // namespace platform
