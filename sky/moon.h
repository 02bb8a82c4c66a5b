// The moon's phase days, state word, age and picture for the day sheet.
#pragma once

#include <optional>
#include <string>

namespace giornaro::sky {

// Values the two calls of one start-up share (and a restart keeps).
struct MoonState {
  std::string stato;           // "Plenilunio", "Crescente", ... or empty
  std::string eta;             // caption of the moon's age
  std::optional<int> picture;  // 101..120
  double percentage = 0;       // illuminated percentage, whole number 0..100
  double Lunapiena = 0;        // day of this month's full moon
};

// Phase-day mode when calenda == 3, moon-age mode otherwise.
void flunari(int mese, int anno, int calenda, int today_day, int today_month, MoonState& state);

}  // namespace giornaro::sky
