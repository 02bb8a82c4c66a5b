// The 108 province towns whose sunrise and sunset the sheet can show, and
// the saved choice in luogo.txt.
//
// A place code is 12 decimal digits read by position: longitude degrees and
// minutes east (1-2, 3-4), latitude degrees and minutes north (5-6, 7-8),
// altitude in metres (9-12).
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace giornaro::place {

struct Place {
  std::string_view name;  // upper case, as shown and as saved in luogo.txt
  std::string_view code;  // 12 digits
};

inline constexpr int kPlaceCount = 108;
inline constexpr int kDefaultPlace = 68;  // ROMA

// The table in its fixed order; some towns have two names with one code.
const std::array<Place, kPlaceCount>& places();

// Index of the first row whose name equals `name` exactly (case counts).
std::optional<int> find_place(std::string_view name);

}  // namespace giornaro::place
