#include "platform/core/clock.h"

#include <ctime>

namespace platform {

double now_date_time()
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    // Days from 1899-12-30 to the local calendar date, by the civil-from-days inverse.
    const int y = local.tm_year + 1900 - (local.tm_mon < 2 ? 1 : 0);
    const int m = local.tm_mon + 1;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + local.tm_mday - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days_since_1970 = static_cast<long>(era) * 146097 + doe - 719468;
    const long days = days_since_1970 + 25569;
    return static_cast<double>(days)
        + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

} // namespace platform
