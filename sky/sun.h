// Sunrise and sunset of one place and day, in Central European Time (UT + 1)
// all year round.
#pragma once

#include <string>
#include <string_view>

namespace giornaro::sky {

struct SunTimes {
  std::string sorge;     // "HH:MM"
  std::string tramonta;  // "HH:MM"
};

// `dati` is a 12-digit place code. Throws giornaro::Failure when the code is
// malformed or the sun does not rise or set there that day.
SunTimes Sun(int giorno, int mese, int anno, std::string_view dati);

}  // namespace giornaro::sky
