#include "runtime/sort_order.h"

#include <gtest/gtest.h>

#include "runtime/list_rows.h"

namespace giornaro::rt {
namespace {

TEST(SortsBefore, LowerCaseThenCodePoint) {
  struct Case {
    const char* a;
    const char* b;
    bool a_first, b_first;
  } cases[] = {
      {"FORLI'", "FORLÌ", true, false},        // ' (U+0027) before ì (U+00EC)
      {"L'AQUILA", "LA SPEZIA", true, false},  // ' before A
      {"abc", "ABC", false, false},            // equal once lower-cased
      {"AB", "ABC", true, false},              // a prefix first
      {"a", "Z", true, false},                 // z is no capital here
      {"[", "A", true, false},                 // [ (U+005B) before a (U+0061)
      {"_x", "ax", true, false},               // _ (U+005F) before a
      {"F", "É", true, false},                 // é (U+00E9) after f
      {"É", "é", false, false},                // same letter
      {"ROMA", "RIETI", false, true},
      {"", "a", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " | " + c.b);
    EXPECT_EQ(sorts_before(c.a, c.b), c.a_first);
    EXPECT_EQ(sorts_before(c.b, c.a), c.b_first);
  }
}

TEST(SortTexts, StableForEqualTexts) {
  std::vector<std::string> texts{"b", "A", "B2", "a", "B", "b2"};
  sort_texts(texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"A", "a", "b", "B", "B2", "b2"}));
}

TEST(SortedInsertPosition, AfterEqualItems) {
  const std::vector<std::string> sorted{"a", "B", "c"};
  EXPECT_EQ(sorted_insert_position(sorted, "b"), 2u);
  EXPECT_EQ(sorted_insert_position(sorted, "A"), 1u);
  EXPECT_EQ(sorted_insert_position(sorted, "0"), 0u);
  EXPECT_EQ(sorted_insert_position(sorted, "d"), 3u);
}

TEST(AddSorted, KeepsArrivalOrderOfEqualRows) {
  ListRows rows;
  EXPECT_EQ(add_sorted(rows, "b"), 0u);
  EXPECT_EQ(add_sorted(rows, "a"), 0u);
  EXPECT_EQ(add_sorted(rows, "B"), 2u);
  EXPECT_EQ(add_sorted(rows, "A"), 1u);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].text, "a");
  EXPECT_EQ(rows[1].text, "A");
  EXPECT_EQ(rows[2].text, "b");
  EXPECT_EQ(rows[3].text, "B");
  for (const auto& row : rows) EXPECT_FALSE(row.selected);
}

}  // namespace
}  // namespace giornaro::rt
