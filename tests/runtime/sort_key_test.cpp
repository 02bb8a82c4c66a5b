#include <gtest/gtest.h>

#include "runtime/sort_order.h"

namespace giornaro::rt {
namespace {

TEST(SortKey, OrdersExactlyAsSortsBefore) {
  const std::string_view texts[] = {
      "",      "a",     "A",      "ab",  "aB",         "b",           "B",    "è", "È",
      "e",     "f",     "1492",   "476", "1492 - X*y", "1492 - XY*a", "-",    "*", " ",
      "Città", "CITTÀ", "città ", "œ",   "Œ",          "z",           "\xff", "ß",
  };
  for (const auto a : texts) {
    for (const auto b : texts) {
      SCOPED_TRACE(std::string(a) + " | " + std::string(b));
      EXPECT_EQ(sort_key(a) < sort_key(b), sorts_before(a, b));
    }
  }
}

}  // namespace
}  // namespace giornaro::rt
