// The sky part of one day sheet: sunrise and sunset, then the moon's two calls.
#include <benchmark/benchmark.h>

#include <chrono>

#include "place/place_table.h"
#include "sky/moon.h"
#include "sky/sun.h"

namespace {

using namespace std::chrono;

void BM_SkyOfOneSheet(benchmark::State& state) {
  int day_offset = 0;
  for (auto _ : state) {
    const year_month_day date{sys_days{2025y / January / 1} + days{day_offset++ % 3650}};
    const int y = static_cast<int>(date.year());
    const int m = static_cast<int>(static_cast<unsigned>(date.month()));
    const int d = static_cast<int>(static_cast<unsigned>(date.day()));
    const auto& place = giornaro::place::places()[giornaro::place::kDefaultPlace];
    benchmark::DoNotOptimize(giornaro::sky::Sun(d, m, y, place.code));
    giornaro::sky::MoonState moon;
    giornaro::sky::flunari(m, y, giornaro::sky::MoonCall::phase_days, d, m, moon);
    giornaro::sky::flunari(12, y - 1, giornaro::sky::MoonCall::moon_age, d, m, moon);
    benchmark::DoNotOptimize(moon);
  }
}
BENCHMARK(BM_SkyOfOneSheet);

}  // namespace
