// How long the facts and births of a day take: opening the store (with its key
// derivation) for each of the two passes, reading 5,000 facts and 5,000
// births, merging the archive, sorting and wrapping.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "events/day_lists.h"
#include "events/event_store.h"
#include "runtime/numbers.h"

namespace {

using namespace std::chrono;
using giornaro::events::StoreTable;

// A folder with lune.dat (`records` facts and as many births) and
// NewData.txt. With `one_day` every record is of 08/12; otherwise the records
// are spread over the days of the year, in the order of the days.
class Store {
 public:
  Store(int records, bool one_day) {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("giornaro-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    StoreTable facts{"OGGI", {"Data", "dato", "Tipo"}, {}};
    StoreTable births{"NATI", {"Data", "nome", "noto", "cosa"}, {}};
    const sys_days first = 2000y / January / 1;
    const int per_day = one_day ? records : (records + 365) / 366;
    for (int i = 0; i < records; ++i) {
      const year_month_day day =
          one_day ? 2000y / December / 8 : year_month_day{first + days{i / per_day}};
      const std::string key = giornaro::rt::two_digits(static_cast<int>(unsigned{day.day()})) +
                              "/" +
                              giornaro::rt::two_digits(static_cast<int>(unsigned{day.month()}));
      const std::string year = std::to_string(1500 + (i % per_day) % 8000);
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
    giornaro::events::DayLists lists;
    giornaro::events::ApriDB("08/12", 2025y / December / 8, store.folder(), lists);
    benchmark::DoNotOptimize(lists);
  }
}

// Opening the store and both passes, with the records spread over the year:
// about the shipped store's size, and 100,000 facts + 100,000 births.
void BM_ApriDB_SpreadOverTheYear(benchmark::State& state) {
  const Store store(static_cast<int>(state.range(0)), false);
  run_day(state, store);
}
BENCHMARK(BM_ApriDB_SpreadOverTheYear)->Arg(2500)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ApriDB_AllOnOneDay(benchmark::State& state) {
  static const Store store(5000, true);
  run_day(state, store);
}
BENCHMARK(BM_ApriDB_AllOnOneDay)->Unit(benchmark::kMillisecond);

}  // namespace
