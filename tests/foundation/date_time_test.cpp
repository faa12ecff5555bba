#include "foundation/date_time.h"

#include <gtest/gtest.h>

using namespace foundation;

TEST(DateTime, PackAndUnpackInTheDosFormat)
{
    const Tdate_time t = encode_date_time({2024, 3, 15, 13, 45, 31});
    const std::uint32_t packed = pack_date_time(t);
    EXPECT_EQ(packed, (44u << 25) | (3u << 21) | (15u << 16) | (13u << 11) | (45u << 5) | 15u);
    const calendar_time back = decode_date_time(unpack_date_time(packed));
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 3);
    EXPECT_EQ(back.day, 15);
    EXPECT_EQ(back.hour, 13);
    EXPECT_EQ(back.minute, 45);
    EXPECT_EQ(back.second, 30) << "seconds come back even";
    EXPECT_NEAR(encode_date_time({1899, 12, 30, 0, 0, 0}), 0, 1e-12);
    EXPECT_NEAR(encode_date_time({1980, 1, 1, 12, 0, 0}), 29221.5, 1e-9);
}

TEST(DateTime, OutOfRangeDatesAndDurationsClamp)
{
    EXPECT_EQ(pack_date_time(encode_date_time({1979, 12, 31, 23, 59, 59})), (1u << 21) | (1u << 16));
    EXPECT_EQ(pack_date_time(encode_date_time({2200, 1, 1, 0, 0, 0})),
              (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u);
    EXPECT_EQ(pack_duration(70000.5), (65535u << 16) | (23u << 11) | (59u << 5) | 29u);
    EXPECT_EQ(pack_duration(-1), 0u);
    // A damaged packed value still gives a date, not a failure.
    const calendar_time c = decode_date_time(unpack_date_time(0));
    EXPECT_EQ(c.year, 1980);
    EXPECT_EQ(c.month, 1);
    EXPECT_EQ(c.day, 1);
}

TEST(DateTime, DurationsPackDaysInTheHighWord)
{
    const Tdate_time d = 1 + (2 * 3600 + 3 * 60 + 5) / 86400.0;
    EXPECT_EQ(pack_duration(d), 1u * 65536 + 2 * 2048 + 3 * 32 + 2);
    const split_time s = split_duration(unpack_duration(pack_duration(d)));
    EXPECT_EQ(s.days, 1);
    EXPECT_EQ(s.hours, 2);
    EXPECT_EQ(s.minutes, 3);
    EXPECT_EQ(s.seconds, 4);
    const split_time long_one = split_duration(26 / 24.0 + (3 * 60 + 9) / 86400.0);
    EXPECT_EQ(long_one.days, 1);
    EXPECT_EQ(long_one.hours, 2);
    EXPECT_EQ(long_one.minutes, 3);
    EXPECT_EQ(long_one.seconds, 9);
    EXPECT_EQ(unpack_duration(0xFFFF0000u), 65535.0);
}
