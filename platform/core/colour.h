#pragma once
// Colours as the drawing code writes them: 24-bit values with red in the
// low byte and blue in the high byte (0x00bbggrr), so blue is 0xFF0000 and
// red 255. Masks such as 0xF0F0F0 work on them directly.

#include <cstdint>

namespace platform {

using colour_ref = std::uint32_t;

constexpr colour_ref rgb(int red, int green, int blue)
{
    return static_cast<colour_ref>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int red_of(colour_ref c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(colour_ref c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int blue_of(colour_ref c) { return static_cast<int>(c >> 16 & 0xFF); }

inline constexpr colour_ref black = rgb(0, 0, 0);
inline constexpr colour_ref white = rgb(255, 255, 255);
// What a pixel read answers outside the drawing surface; no real colour has it.
inline constexpr colour_ref invalid_colour = 0xFFFFFFFFu;

// The system's window background colour. Fixed here so that what clears a
// picture and what the drawing code compares pixels with always agree.
constexpr colour_ref window_background_colour() { return white; }

} // namespace platform
