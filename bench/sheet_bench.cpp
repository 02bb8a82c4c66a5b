// How long the computed part of a day sheet takes (calendar, sun, moon),
// without the event store.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "calendar/feasts.h"
#include "calendar/saints.h"

namespace {

using namespace std::chrono;

void BM_CalendarPart(benchmark::State& state) {
  int day_offset = 0;
  for (auto _ : state) {
    const year_month_day date{sys_days{2025y / January / 1} + days{day_offset++ % 3650}};
    const int y = static_cast<int>(date.year());
    const int m = static_cast<int>(static_cast<unsigned>(date.month()));
    const int d = static_cast<int>(static_cast<unsigned>(date.day()));
    const auto santi = giornaro::calendar::ferialday(m, y);
    const auto easter = giornaro::calendar::feste(y);
    benchmark::DoNotOptimize(
        giornaro::calendar::Vfeste(santi[static_cast<std::size_t>(d)], d, m, y, easter));
  }
}
BENCHMARK(BM_CalendarPart);

}  // namespace

