#pragma once
// Date-time values (days since 1899-12-30, time of day as the fraction) and
// their packed forms in the results files.
//
// Packing clamps what the packed formats cannot hold: a date before
// 1980-01-01 packs as 1980-01-01 00:00:00, one after 2107 as 2107-12-31
// 23:59:58; a negative duration packs as 0 and one of more than 65535 days
// as 65535 days 23:59:58. Unpacking a damaged value clamps each field into
// its calendar range instead of failing.

#include <cstdint>

namespace foundation {

using Tdate_time = double;

struct calendar_time {
    int year, month, day, hour, minute, second;
};

calendar_time decode_date_time(Tdate_time t);
Tdate_time encode_date_time(const calendar_time& c);

std::uint32_t pack_date_time(Tdate_time t);
Tdate_time unpack_date_time(std::uint32_t packed);
std::uint32_t pack_duration(Tdate_time d);
Tdate_time unpack_duration(std::uint32_t packed);

struct split_time {
    long days;
    int hours, minutes, seconds;
};

split_time split_duration(Tdate_time d);

} // namespace foundation
