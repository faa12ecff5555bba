#pragma once
// The packed date-times and durations of the results files read straight
// as whole seconds, for loops over many records: the same values as
// unpack_date_time and unpack_duration (times 86400), damaged fields clamped
// alike, without a calendar per record.

#include <algorithm>
#include <array>
#include <cstdint>

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

// The low word: hours, minutes and seconds div 2, each clamped.
constexpr std::int64_t of_time_of_day(std::uint32_t packed)
{
    return std::min<std::int64_t>(packed >> 11 & 0x1F, 23) * 3600 + std::min<std::int64_t>(packed >> 5 & 0x3F, 59) * 60
        + std::min<std::int64_t>((packed & 0x1F) * 2, 59);
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
