// How long the facts and births of a day take: opening the store (with its key
// derivation) for each of the two passes, reading 5,000 facts and 5,000
// births, merging the archive, sorting and wrapping.
#include <benchmark/benchmark.h>
#include <algorithm>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/day_lists.h"
#include "events/event_store.h"
#include "runtime/numbers.h"

namespace {

using namespace std::chrono;
using giornaro::events::StoreTable;

// A folder with lune.dat (`records` facts and as many births) and
// NewData.txt. With `on_the_day` = `records` every record is of 08/12;
// otherwise 08/12 gets `on_the_day` facts and births, as a day of the shipped
// store does, and the rest are spread over the other days in their order.
class Store {
 public:
  Store(int records, int on_the_day) {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("giornaro-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    StoreTable facts{"OGGI", {"Data", "dato", "Tipo"}, {}};
    StoreTable births{"NATI", {"Data", "nome", "noto", "cosa"}, {}};
    const sys_days first = 2000y / January / 1;
    const sys_days the_day = 2000y / December / 8;
    const int others = records - on_the_day;
    const int per_other_day = std::max(1, (others + 364) / 365);
    int other = 0;
    for (int i = 0; i < records; ++i) {
      sys_days day = the_day;
      int n = i;
      // The day's records stand where its date falls in the year.
      const int before_the_day = std::min(others, per_other_day * 342);
      if (i >= before_the_day && i < before_the_day + on_the_day) {
        n = i - before_the_day;
      } else {
        day = first + days{other / per_other_day};
        if (day >= the_day) day += days{1};
        n = other % per_other_day;
        ++other;
      }
      const year_month_day date{day};
      const std::string key = giornaro::rt::two_digits(static_cast<int>(unsigned{date.day()})) +
                              "/" +
                              giornaro::rt::two_digits(static_cast<int>(unsigned{date.month()}));
      const std::string year = std::to_string(1500 + n % 8000);
      facts.rows.push_back({key + "/" + year,
                            "- Un fatto accaduto in questo giorno, descritto in una frase lunga "
                            "quanto basta per andare a capo almeno una volta. Numero " +
                                std::to_string(i),
                            i % 3 ? "*" : "SP"});
      births.rows.push_back({key + "/" + year, "Persona numero " + std::to_string(i),
                             "nota per qualcosa", i % 2 ? "" : std::string(120, 'c')});
    }
    giornaro::events::write_store(folder_ / "lune.dat", {facts, births});
    std::ofstream archive(folder_ / "NewData.txt", std::ios::binary);
    for (int i = 0; i < 50; ++i) archive << "08/12/19" << 50 + i % 40 << "*Nozze      *Festa\r\n";
  }
  ~Store() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

void run_day(benchmark::State& state, const Store& store) {
  for (auto _ : state) {
    giornaro::app::DayLists lists;
    giornaro::app::ApriDB("08/12", 2025y / December / 8, store.folder(),
                          store.folder() / "lune.dat", lists);
    benchmark::DoNotOptimize(lists);
  }
}

// Opening the store and both passes for a day of 7 facts and 7 births, in a
// store about the shipped one's size and in one of 100,000 facts and 100,000
// births: the day's records are found through the index, whatever the rest.
void BM_ApriDB_SevenOnTheDay(benchmark::State& state) {
  const Store store(static_cast<int>(state.range(0)), 7);
  run_day(state, store);
}
BENCHMARK(BM_ApriDB_SevenOnTheDay)->Arg(2500)->Arg(100000)->Unit(benchmark::kMillisecond);

// Stress: 5,000 facts and 5,000 births all on the day.
void BM_ApriDB_AllOnOneDay(benchmark::State& state) {
  static const Store store(5000, 5000);
  run_day(state, store);
}
BENCHMARK(BM_ApriDB_AllOnOneDay)->Unit(benchmark::kMillisecond);

}  // namespace
