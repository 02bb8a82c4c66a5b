#include "sky/moon.h"

namespace giornaro::sky {

void flunari(int /*mese*/, int /*anno*/, int /*calenda*/, int /*today_day*/, int /*today_month*/,
             MoonState& /*state*/) {}

}  // namespace giornaro::sky
