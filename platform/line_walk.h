#pragma once
// The line walk: every pixel of the line from `from` to `to`, the end
// excluded, each once and in order, as a Bresenham walk. A line whose ends
// coincide visits nothing. The walk visits max(|dx|, |dy|) pixels.

#include "platform/pixel_point.h"

#include <cstdint>
#include <cstdlib>

namespace platform {

template <class Visit>
void walk_line(pixel_point from, pixel_point to, Visit&& visit)
{
    // 64-bit sums, so lines between far-apart points cannot overflow.
    const std::int64_t dx = std::llabs(std::int64_t{to.x} - from.x);
    const std::int64_t dy = -std::llabs(std::int64_t{to.y} - from.y);
    const int step_x = from.x < to.x ? 1 : -1;
    const int step_y = from.y < to.y ? 1 : -1;
    std::int64_t error = dx + dy;
    std::int32_t x = from.x;
    std::int32_t y = from.y;
    while (x != to.x || y != to.y) {
        visit(x, y);
        const std::int64_t twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += step_x;
        }
        if (twice <= dx) {
            error += dx;
            y += step_y;
        }
    }
}

} // namespace platform
