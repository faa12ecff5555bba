#include "foundation/date_time.h"

#include <gtest/gtest.h>

using namespace foundation;

namespace {

std::uint32_t dos(std::uint32_t year, std::uint32_t month, std::uint32_t day, std::uint32_t hour, std::uint32_t minute,
                  std::uint32_t two_seconds)
{
    return (year - 1980) << 25 | month << 21 | day << 16 | hour << 11 | minute << 5 | two_seconds;
}

} // namespace

// Dates and durations in the DOS format, clamped where they do not fit.
TEST(DateTime, PackInTheDosFormatAndClampWhatDoesNotFit)
{
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {
        {pack_date_time(encode_date_time({2024, 3, 15, 13, 45, 31})), dos(2024, 3, 15, 13, 45, 15)},
        {pack_date_time(encode_date_time({1979, 12, 31, 23, 59, 59})), dos(1980, 1, 1, 0, 0, 0)},
        {pack_date_time(encode_date_time({2200, 1, 1, 0, 0, 0})), dos(2107, 12, 31, 23, 59, 29)},
        {pack_duration(1 + (2 * 3600 + 3 * 60 + 5) / 86400.0), 1u << 16 | 2 << 11 | 3 << 5 | 2},
        {pack_duration(70000.5), 0xFFFFu << 16 | 23 << 11 | 59 << 5 | 29},
        {pack_duration(-1), 0}};
    for (const auto& [packed, expected] : cases)
        EXPECT_EQ(packed, expected) << std::hex << expected;
    EXPECT_NEAR(encode_date_time({1980, 1, 1, 12, 0, 0}), 29221.5, 1e-9);
}

TEST(DateTime, UnpackGivesEvenSecondsAndADateForAnyValue)
{
    const calendar_time back = decode_date_time(unpack_date_time(dos(2024, 3, 15, 13, 45, 15)));
    EXPECT_EQ(std::tuple(back.year, back.month, back.day, back.hour, back.minute, back.second),
              std::tuple(2024, 3, 15, 13, 45, 30));
    const calendar_time damaged = decode_date_time(unpack_date_time(0));
    EXPECT_EQ(std::tuple(damaged.year, damaged.month, damaged.day), std::tuple(1980, 1, 1));
    const split_time s = split_duration(unpack_duration(pack_duration(26 / 24.0 + (3 * 60 + 9) / 86400.0)));
    EXPECT_EQ(std::tuple(s.days, s.hours, s.minutes, s.seconds), std::tuple(1L, 2, 3, 8));
    EXPECT_EQ(unpack_duration(0xFFFF0000u), 65535.0);
}
