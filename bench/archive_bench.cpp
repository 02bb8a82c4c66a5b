// How long the archive editor takes over a large archive of 100,000 records:
// opening it (FullDB and Carica), adding one record, deleting one. Each should
// stay well under a second; adding should cost about what one line costs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "archive/editor.h"

namespace {

constexpr int kRecords = 100000;

std::string two_digits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

// A folder holding NewData.txt with kRecords records over many days and years.
class LargeArchive {
 public:
  LargeArchive() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("giornaro-bench-archive-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    std::ofstream archive(folder_ / "NewData.txt", std::ios::binary);
    for (int i = 0; i < kRecords; ++i) {
      archive << two_digits(1 + i % 28) << "/" << two_digits(1 + (i / 28) % 12) << "/"
              << 1900 + (i * 7919) % 120 << (i % 2 ? "*Nozze      *" : "*Anniversari*")
              << "Una voce dell'archivio personale, numero " << i << "\r\n";
    }
  }
  ~LargeArchive() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

void BM_Editor_Open(benchmark::State& state) {
  const LargeArchive archive;
  for (auto _ : state) {
    giornaro::archive::ArchiveEditor editor(archive.folder());
    editor.FullDB();
    editor.Carica();
    benchmark::DoNotOptimize(editor.List1().size());
  }
}
BENCHMARK(BM_Editor_Open)->Unit(benchmark::kMillisecond);

void BM_Editor_AddOne(benchmark::State& state) {
  const LargeArchive archive;
  giornaro::archive::ArchiveEditor editor(archive.folder());
  editor.FullDB();
  editor.Carica();
  for (auto _ : state) {
    editor.add("05/09/1990", "Nozze", "Una voce aggiunta");
  }
}
BENCHMARK(BM_Editor_AddOne)->Unit(benchmark::kMillisecond);

void BM_Editor_DeleteOne(benchmark::State& state) {
  const LargeArchive archive;
  giornaro::archive::ArchiveEditor editor(archive.folder());
  editor.FullDB();
  editor.Carica();
  for (auto _ : state) {
    state.PauseTiming();
    editor.add("05/09/1990", "Nozze", "Da cancellare");
    state.ResumeTiming();
    editor.remove("05/09/1990", "Nozze", "Da cancellare");
  }
}
BENCHMARK(BM_Editor_DeleteOne)->Unit(benchmark::kMillisecond);

}  // namespace
