#include "foundation/date_time.h"

#include <algorithm>
#include <cmath>

namespace foundation {

namespace {

constexpr long days_1899_12_30_to_1970 = 25569;
constexpr long long ms_per_day = 86400000;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
long days_from_civil(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civil_from_days(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

int days_in_month(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

// Whole milliseconds, so 0.5 s of floating error never drops a second.
long long to_milliseconds(double t)
{
    return static_cast<long long>(std::llround(t * static_cast<double>(ms_per_day)));
}

std::uint32_t pack_time_of_day(int hour, int minute, int second)
{
    return static_cast<std::uint32_t>(second / 2) | static_cast<std::uint32_t>(minute) << 5
        | static_cast<std::uint32_t>(hour) << 11;
}

struct time_of_day {
    int hour, minute, second;
};

// The low word of a packed date-time or duration, each field clamped.
time_of_day unpack_time_of_day(std::uint32_t packed)
{
    return {std::min(static_cast<int>(packed >> 11 & 0x1F), 23), std::min(static_cast<int>(packed >> 5 & 0x3F), 59),
            std::min(static_cast<int>(packed & 0x1F) * 2, 59)};
}

} // namespace

calendar_time decode_date_time(Tdate_time t)
{
    const long long ms = to_milliseconds(t);
    long long day = ms / ms_per_day;
    long long rest = ms % ms_per_day;
    if (rest < 0) {
        // Before 1899-12-30 the fraction still counts forward from midnight.
        rest = -rest;
    }
    calendar_time c{};
    civil_from_days(static_cast<long>(day) - days_1899_12_30_to_1970, c.year, c.month, c.day);
    const long long seconds = rest / 1000;
    c.hour = static_cast<int>(seconds / 3600);
    c.minute = static_cast<int>(seconds / 60 % 60);
    c.second = static_cast<int>(seconds % 60);
    return c;
}

Tdate_time encode_date_time(const calendar_time& c)
{
    const long days = days_from_civil(c.year, c.month, c.day) + days_1899_12_30_to_1970;
    const double fraction = (c.hour * 3600 + c.minute * 60 + c.second) / 86400.0;
    return days >= 0 ? days + fraction : days - fraction;
}

std::uint32_t pack_date_time(Tdate_time t)
{
    calendar_time c = decode_date_time(t);
    if (c.year < 1980)
        c = {1980, 1, 1, 0, 0, 0};
    if (c.year > 2107)
        c = {2107, 12, 31, 23, 59, 58};
    return pack_time_of_day(c.hour, c.minute, c.second) | static_cast<std::uint32_t>(c.day) << 16
        | static_cast<std::uint32_t>(c.month) << 21 | static_cast<std::uint32_t>(c.year - 1980) << 25;
}

Tdate_time unpack_date_time(std::uint32_t packed)
{
    calendar_time c{};
    c.year = static_cast<int>(packed >> 25) + 1980;
    c.month = std::clamp(static_cast<int>(packed >> 21 & 0x0F), 1, 12);
    c.day = std::clamp(static_cast<int>(packed >> 16 & 0x1F), 1, days_in_month(c.year, c.month));
    const time_of_day time = unpack_time_of_day(packed);
    c.hour = time.hour;
    c.minute = time.minute;
    c.second = time.second;
    return encode_date_time(c);
}

std::uint32_t pack_duration(Tdate_time d)
{
    if (!(d > 0))
        return 0;
    const split_time s = split_duration(d);
    if (s.days > 65535)
        return 65535u << 16 | pack_time_of_day(23, 59, 58);
    return static_cast<std::uint32_t>(s.days) << 16 | pack_time_of_day(s.hours, s.minutes, s.seconds);
}

Tdate_time unpack_duration(std::uint32_t packed)
{
    const time_of_day time = unpack_time_of_day(packed);
    return static_cast<double>(packed >> 16) + (time.hour * 3600 + time.minute * 60 + time.second) / 86400.0;
}

split_time split_duration(Tdate_time d)
{
    const long long ms = to_milliseconds(std::fabs(d));
    const long long seconds = ms % ms_per_day / 1000;
    return {static_cast<long>(ms / ms_per_day), static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

} // namespace foundation
