// A TSV file of the store builder, facts or births by the first byte: the
// header and every row checked as giornaro-store checks them, and a table
// that passes written back as TSV.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "events/store_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace giornaro;
  if (size == 0) return 0;
  const bool births = data[0] & 1;
  const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
  const events::TsvCheck check =
      events::check_tsv(content, births ? "NATI" : "OGGI", births ? "NATI.tsv" : "OGGI.tsv");
  if (check.errors.empty()) events::table_to_tsv(check.table);
  return 0;
}
