// Test helpers: a fresh folder under the system's temporary folder, removed
// afterwards, and raw byte access to the files in it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "events/store_builder.h"

namespace giornaro::test_support {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "giornaro-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void put_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Builds lune.dat in `folder` from the given TSV texts (header rows included);
// by default a store with no record, which start-up reads without failing.
inline void put_store(const TempFolder& folder, std::string_view facts = "Data\tdato\tTipo\n",
                      std::string_view births = "Data\tnome\tnoto\tcosa\n") {
  put_bytes(folder / "OGGI.tsv", facts);
  put_bytes(folder / "NATI.tsv", births);
  const auto report =
      events::build_store(folder / "OGGI.tsv", folder / "NATI.tsv", folder / "lune.dat");
  if (!report.built) throw std::runtime_error("the test store could not be built");
  std::filesystem::remove(folder / "OGGI.tsv");
  std::filesystem::remove(folder / "NATI.tsv");
}

}  // namespace giornaro::test_support
