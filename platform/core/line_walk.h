#pragma once
// The line walk: every pixel of the line from `from` to `to`, the end
// excluded, each once and in order, as a Bresenham walk. A line whose ends
// coincide visits nothing. The walk visits max(|dx|, |dy|) pixels.

#include "platform/core/pixel_point.h"

#include <algorithm>
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

// The walk of walk_line from `from` to `to` at step i (0 is the start), for
// i below its length max(|dx|, |dy|): the pixel and the walk's error term
// there. The long axis moves every step; the other moves
// floor((2 short i + long) / (2 long)) times in the first i steps.
struct walk_state {
    pixel_point at;
    std::int64_t error = 0;
};

inline walk_state walk_step(pixel_point from, pixel_point to, std::int64_t i)
{
    const std::uint64_t dx = static_cast<std::uint64_t>(std::llabs(std::int64_t{to.x} - from.x));
    const std::uint64_t dy = static_cast<std::uint64_t>(std::llabs(std::int64_t{to.y} - from.y));
    const bool x_long = dx >= dy;
    const std::uint64_t longer = x_long ? dx : dy, shorter = x_long ? dy : dx;
    // shorter * i stays below 2^64 for 32-bit coordinates.
    const std::uint64_t product = shorter * static_cast<std::uint64_t>(i);
    const std::uint64_t q = product / longer, r = product % longer;
    const std::uint64_t carry = 2 * r >= longer ? 1 : 0;
    const std::int64_t side = static_cast<std::int64_t>(q + carry);
    const std::int64_t along_x = x_long ? i : side, along_y = x_long ? side : i;
    const std::int64_t sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    // error = dx - dy + steps_y * dx - steps_x * dy, written without its large terms.
    const std::int64_t base = static_cast<std::int64_t>(dx) - static_cast<std::int64_t>(dy);
    const std::int64_t rest = static_cast<std::int64_t>(r) - static_cast<std::int64_t>(carry * longer);
    walk_state state;
    state.at = {static_cast<std::int32_t>(from.x + sx * along_x), static_cast<std::int32_t>(from.y + sy * along_y)};
    state.error = x_long ? base - rest : base + rest;
    return state;
}

// The pixels of walk_line that lie in the area (right and bottom excluded),
// in order, each with its step number from the start; the rest of the line
// costs nothing, however far it runs.
template <class Visit>
void walk_line_within(pixel_point from, pixel_point to, const pixel_rect& area, Visit&& visit)
{
    const std::int64_t length = std::max(std::llabs(std::int64_t{to.x} - from.x), std::llabs(std::int64_t{to.y} - from.y));
    // The first step at or after which `beyond` holds; it holds for every later step once it does.
    const auto first_step = [&](auto&& beyond) {
        std::int64_t low = 0, high = length;
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            if (beyond(walk_step(from, to, middle).at))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const bool right = from.x < to.x, down = from.y < to.y;
    const std::int64_t begin = std::max(
        first_step([&](pixel_point p) { return right ? p.x >= area.left : p.x < area.right; }),
        first_step([&](pixel_point p) { return down ? p.y >= area.top : p.y < area.bottom; }));
    const std::int64_t end = std::min(
        first_step([&](pixel_point p) { return right ? p.x >= area.right : p.x < area.left; }),
        first_step([&](pixel_point p) { return down ? p.y >= area.bottom : p.y < area.top; }));
    if (begin >= end)
        return;
    // From there on the walk of walk_line itself.
    walk_state state = walk_step(from, to, begin);
    const std::int64_t dx = std::llabs(std::int64_t{to.x} - from.x);
    const std::int64_t dy = -std::llabs(std::int64_t{to.y} - from.y);
    const int step_x = right ? 1 : -1;
    const int step_y = down ? 1 : -1;
    for (std::int64_t step = begin; step < end; ++step) {
        visit(state.at.x, state.at.y, step);
        const std::int64_t twice = 2 * state.error;
        if (twice >= dy) {
            state.error += dy;
            state.at.x += step_x;
        }
        if (twice <= dx) {
            state.error += dx;
            state.at.y += step_y;
        }
    }
}

} // namespace platform
