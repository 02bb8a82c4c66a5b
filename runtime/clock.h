// The one place that reads the system clock. Only front ends call it; the
// computing code takes today's date as an argument.
#pragma once

#include <chrono>

namespace giornaro::rt {

// Today's date in the machine's local time zone.
std::chrono::year_month_day today_local();

}  // namespace giornaro::rt
