#pragma once
// A point on a drawing surface, in whole pixels, y down.

#include <cstdint>

namespace platform {

struct pixel_point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

} // namespace platform

namespace platform {

// A rectangle of pixels; right and bottom lie just outside it where a fill is concerned.
struct pixel_rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

} // namespace platform
