#pragma once
// The platform's date-time value: days since 1899-12-30, the time of day as
// the fraction, local time.

namespace platform {

double now_date_time();

} // namespace platform
