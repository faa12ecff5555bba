#pragma once
// The packed date-times and durations of the results files read straight
// as whole seconds, for loops over many records: the same values as
// unpack_date_time and unpack_duration (times 86400), damaged fields clamped
// alike, without a calendar per record.

#include <algorithm>
#include <array>
#include <cstdint>

namespace student_files {

namespace packed_seconds {

struct month_entry {
    std::int32_t first_day;   // days from 1899-12-30 to the month's first day
    std::int32_t length;      // days in the month
};

// Month 0 reads as January and 13 to 15 as December, as unpacking clamps them.
constexpr std::array<month_entry, 128 * 16> make_month_table()
{
    std::array<month_entry, 128 * 16> table{};
    constexpr std::int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int32_t day = 29221;   // 1980-01-01
    for (int year = 0; year < 128; ++year) {
        const int y = 1980 + year;
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            const month_entry entry{day, lengths[month - 1] + (month == 2 && leap ? 1 : 0)};
            table[static_cast<std::size_t>(year * 16 + month)] = entry;
            if (month == 1)
                table[static_cast<std::size_t>(year * 16)] = entry;
            if (month == 12)
                for (int beyond = 13; beyond < 16; ++beyond)
                    table[static_cast<std::size_t>(year * 16 + beyond)] = entry;
            day += entry.length;
        }
    }
    return table;
}

// Indexed by the year and month bits of a packed date (bits 21 to 31).
inline constexpr std::array<month_entry, 128 * 16> month_table = make_month_table();

// The low word in two looks: the hours (bits 11 to 15), and the minutes
// and seconds div 2 (bits 0 to 10), each field clamped.
struct time_table {
    std::array<std::int32_t, 32> hours;
    std::array<std::int32_t, 2048> minutes_and_seconds;
};

constexpr time_table make_time_table()
{
    time_table table{};
    for (int h = 0; h < 32; ++h)
        table.hours[static_cast<std::size_t>(h)] = std::min(h, 23) * 3600;
    for (int bits = 0; bits < 2048; ++bits)
        table.minutes_and_seconds[static_cast<std::size_t>(bits)] = std::min(bits >> 5, 59) * 60 + std::min((bits & 0x1F) * 2, 59);
    return table;
}

inline constexpr time_table time_of_day_table = make_time_table();

constexpr std::int64_t of_time_of_day(std::uint32_t packed)
{
    return time_of_day_table.hours[packed >> 11 & 0x1F] + time_of_day_table.minutes_and_seconds[packed & 0x7FF];
}

// Seconds from 1899-12-30 00:00 to a packed date-time.
constexpr std::int64_t of_date_time(std::uint32_t packed)
{
    const month_entry& month = month_table[packed >> 21];
    const std::int64_t day = std::clamp<std::int64_t>(packed >> 16 & 0x1F, 1, month.length);
    return (month.first_day + day - 1) * 86400 + of_time_of_day(packed);
}

// Seconds of a packed duration: days in the high word.
constexpr std::int64_t of_duration(std::uint32_t packed)
{
    return static_cast<std::int64_t>(packed >> 16) * 86400 + of_time_of_day(packed);
}

// of_date_time(end) - of_date_time(start), without the calendar when both
// fall on one day, as nearly every exercise does.
constexpr std::int64_t between(std::uint32_t start, std::uint32_t end)
{
    if ((start ^ end) >> 16 == 0)
        return of_time_of_day(end) - of_time_of_day(start);
    return of_date_time(end) - of_date_time(start);
}

} // namespace packed_seconds

} // namespace student_files
