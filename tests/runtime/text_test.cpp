#include "runtime/text.h"

#include <gtest/gtest.h>

namespace giornaro::rt {
namespace {

TEST(Text, LengthCountsCharactersNotBytes) {
  EXPECT_EQ(len(""), 0u);
  EXPECT_EQ(len("FORLÌ"), 5u);
  EXPECT_EQ(len("Lunedì"), 6u);
}

TEST(Text, MidCutsByCharacterPosition) {
  struct Case {
    std::string_view text;
    long start, length;
    std::string expected;
  } cases[] = {
      {"Mercoledì", 1, 3, "Mer"}, {"Mercoledì", 9, 1, "ì"},
      {"Mercoledì", 9, -1, "ì"},  {"Mercoledì", 10, 5, ""},  // beyond the end
      {"abc", 2, 99, "bc"},                                  // length past the end stops at the end
      {"abc", 0, 2, "ab"},        {"", 1, 1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.start));
    EXPECT_EQ(mid(c.text, c.start, c.length), c.expected);
  }
}

TEST(Text, Left) {
  EXPECT_EQ(left("è12", 2), "è1");
  EXPECT_EQ(left("ab", 5), "ab");
}

TEST(Text, CaseMappingCoversAccentedLetters) {
  EXPECT_EQ(upper("forlì è già"), "FORLÌ È GIÀ");
  EXPECT_EQ(lower("FORLÌ ŒUVRE"), "forlì œuvre");
  EXPECT_EQ(upper("×÷ß"), "×÷ß");  // no case
}

TEST(Text, InvalidUtf8CountsOneCharacterPerBadByte) {
  EXPECT_EQ(decode_utf8("a\xff"
                        "b"),
            U"a\uFFFDb");
  EXPECT_EQ(decode_utf8("\xc3"), U"\uFFFD");  // truncated sequence
}

TEST(Text, SplitKeepsEmptyPieces) {
  EXPECT_EQ(split("a*b**c", "*"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(split("", "*"), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace giornaro::rt
