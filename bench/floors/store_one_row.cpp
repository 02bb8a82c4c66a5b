// The floor of a terminal sheet: a program that opens the event store in the
// current folder as the sheet does (same library, same key handling) and
// reads one row, then ends. scripts/compare_speed.sh times it.
#include <iostream>
#include <string>
#include <vector>

#include "events/event_store.h"

namespace {
struct OneRowRead {};
}  // namespace

int main() {
  try {
    const giornaro::events::EventStore store("lune.dat");
    store.all_births([](const giornaro::events::BirthRecord&) {
      throw OneRowRead{};  // stop after the first record
    });
  } catch (const OneRowRead&) {
    return 0;
  } catch (const std::exception& failure) {
    std::cerr << failure.what() << "\n";
    return 1;
  }
  return 0;
}
