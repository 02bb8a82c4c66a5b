// The calendar part of a day sheet: the month's saints, the year's Easter
// values and the feast list for the day.
#include <benchmark/benchmark.h>

#include <chrono>

#include "calendar/feasts.h"
#include "calendar/saints.h"

namespace {

using namespace std::chrono;

struct Day {
  int d, m, y;
};

Day day_after(int offset) {
  const year_month_day date{sys_days{2025y / January / 1} + days{offset % 3650}};
  return {static_cast<int>(unsigned(date.day())), static_cast<int>(unsigned(date.month())),
          static_cast<int>(date.year())};
}

void BM_CalendarPart(benchmark::State& state) {
  int offset = 0;
  for (auto _ : state) {
    const Day t = day_after(offset++);
    const auto santi = giornaro::calendar::ferialday(t.m, t.y);
    const auto easter = giornaro::calendar::feste(t.y);
    benchmark::DoNotOptimize(
        giornaro::calendar::Vfeste(santi[static_cast<std::size_t>(t.d)], t.d, t.m, t.y, easter));
  }
}
BENCHMARK(BM_CalendarPart);

void BM_Ferialday(benchmark::State& state) {
  int month = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(giornaro::calendar::ferialday(month++ % 12 + 1, 2025));
  }
}
BENCHMARK(BM_Ferialday);

void BM_Feste(benchmark::State& state) {
  int year = 1583;
  for (auto _ : state) {
    benchmark::DoNotOptimize(giornaro::calendar::feste(year));
    year = year == 4099 ? 1583 : year + 1;
  }
}
BENCHMARK(BM_Feste);

void BM_Vfeste(benchmark::State& state) {
  const auto easter = giornaro::calendar::feste(2025);
  int offset = 0;
  for (auto _ : state) {
    const Day t = day_after(offset++ % 365);
    benchmark::DoNotOptimize(giornaro::calendar::Vfeste("S.Santo", t.d, t.m, 2025, easter));
  }
}
BENCHMARK(BM_Vfeste);

}  // namespace
