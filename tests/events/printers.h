// Readable test failure messages for day entries.
#pragma once

#include <ostream>

#include "events/day_entries.h"

namespace giornaro::events {

inline void PrintTo(const DayEntry& entry, std::ostream* out) {
  *out << "{\"" << entry.header << "\", \"" << entry.body << "\"}";
}

}  // namespace giornaro::events
