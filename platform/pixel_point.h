#pragma once
// A point on a drawing surface, in whole pixels, y down.

#include <cstdint>

namespace platform {

struct pixel_point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

} // namespace platform
