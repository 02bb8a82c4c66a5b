#include "sky/sun.h"

namespace giornaro::sky {

SunTimes Sun(int /*giorno*/, int /*mese*/, int /*anno*/, std::string_view /*dati*/) {
  return {};
}

}  // namespace giornaro::sky
