// A whole day sheet as start-up computes it: the archive check, luogo.txt,
// calendar, sun, moon and the day lists from a small store and archive.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/day_sheet.h"
#include "events/store_builder.h"

namespace {

using namespace std::chrono;

void put(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_WholeSheet(benchmark::State& state) {
  std::string pattern = (std::filesystem::temp_directory_path() / "giornaro-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::filesystem::path folder = pattern;
  put(folder / "OGGI.tsv",
      "Data\tdato\tTipo\n20/04/1889\t- Nasce a Braunau un futuro dittatore.\t*\n"
      "20/04/1902\t- Marie e Pierre Curie isolano il radio.\tIN\n");
  put(folder / "NATI.tsv", "Data\tnome\tnoto\tcosa\n20/04/1893\tJoan Miró\tpittore\t\n");
  giornaro::events::build_store(folder / "OGGI.tsv", folder / "NATI.tsv", folder / "lune.dat");
  put(folder / "luogo.txt", "MILANO\r\n");
  put(folder / "NewData.txt", "20/04/1990*Nozze      *Festa\r\n");

  for (auto _ : state) {
    benchmark::DoNotOptimize(giornaro::app::compute_day_sheet(2025y / April / 20, folder));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WholeSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
