// An archive file's bytes through everything that reads it: the lines as the
// code page gives them, each taken apart into a record, the editor's list
// items and shown line, the fields a selected line fills in, and the merge of
// the day's records into sorted, wrapped day entries.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/day_lists.h"
#include "archive/archive_file.h"
#include "archive/editor.h"
#include "events/ordering.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace giornaro;
  using namespace std::chrono;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = rt::split_lines(rt::cp1252_to_utf8(bytes));
  for (const auto& line : lines) {
    const archive::ArchiveRecord record = archive::read_record(line);
    const std::string shown = archive::list1_line(line);
    archive::list2_item(line);
    archive::list4_item(line);
    // With a whole date the shown line gives the text back when selected.
    if (rt::len(record.date) == 10 && archive::fields_of_line(shown).Text2 != record.text) {
      std::abort();
    }
    // What "Inserisci" writes is one line.
    const std::string written = archive::make_record(record.date, record.category, record.text);
    if (rt::split_lines(written).size() > 1) std::abort();
  }
  std::vector<events::DayEntry> entries;
  const std::string key = lines.empty() ? std::string("05/09") : rt::left(lines.front(), 5);
  app::DatiNew(lines, key, 2026y / September / 5, entries);
  ListRows List1;
  events::Ordina(std::move(entries), List1);
  return 0;
}
