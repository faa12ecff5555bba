#pragma once
// Rounding to whole pixels: to the nearest integer, halves to even, kept
// within 32 bits (coordinates beyond them are clamped, never undefined).

#include <cmath>
#include <cstdint>
#include <limits>

namespace geometry::model {

inline std::int32_t round_to_pixel(long double v)
{
    constexpr long double low = std::numeric_limits<std::int32_t>::min();
    constexpr long double high = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v))
        return 0;
    const long double r = std::nearbyint(v);   // the default rounding mode: halves to even
    if (r <= low)
        return std::numeric_limits<std::int32_t>::min();
    if (r >= high)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

// centre + [d], the sum kept within 32 bits as well.
inline std::int32_t pixel_offset(std::int32_t centre, long double d)
{
    const std::int64_t sum = std::int64_t{centre} + round_to_pixel(d);
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(sum);
}

} // namespace geometry::model
