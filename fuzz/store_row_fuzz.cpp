// Rows of the event store as the day lists read them: the input is cut into
// records at line ends and into fields at tabs (facts Data, dato, Tipo and
// births Data, nome, noto, cosa), then goes through the facts pass, the
// births pass and the ordering of the facts list.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "events/day_entries.h"
#include "events/ordering.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace giornaro;
  using namespace std::chrono;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto today = 2026y / September / 5;
  events::FactsPass facts("05/09", today);
  ListRows List2;
  for (const auto& line : rt::split_lines(bytes)) {
    std::vector<std::string> f = rt::split(line, "\t");
    f.resize(4);
    try {
      facts.add({f[0], f[1], f[2]});
    } catch (const Failure&) {
      // An empty dato of the day ends the pass with a message.
    }
    try {
      events::add_birth({f[0], f[1], f[2], f[3]}, "05/09", today, List2);
    } catch (const Failure&) {
      // An empty noto of the day likewise.
    }
  }
  ListRows List1;
  events::Ordina(std::move(facts.entries()), List1);
  return 0;
}
