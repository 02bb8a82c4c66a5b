// Test helper: an event store built in a test's folder.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

#include "events/store_builder.h"
#include "tests/support/temp_folder.h"

namespace giornaro::test_support {

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
