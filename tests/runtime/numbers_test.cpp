#include "runtime/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace giornaro::rt {
namespace {

TEST(Val, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    double expected;
  } cases[] = {
      {"1492 - x", 1492},  // stops at the dash after the blank
      {"476 -", 476},
      {" 12 3", 123},  // blanks inside the digits are skipped
      {"abc", 0},
      {"", 0},
      {"-5", -5},
      {"- 5", -5},
      {"+7", 7},
      {"1e3", 1000},
      {"1D2", 100},
      {"2.5E-1", 0.25},
      {"1e", 1},  // an exponent without
                  // digits is dropped
      {"&HFF", 255},
      {"&hff", 255},
      {"&O17", 15},
      {"3.14abc", 3.14},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"\t42\n", 42},
      {"12/05", 12},
      {"-", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(val(c.text), c.expected);
  }
}

TEST(IsNumeric, WholeTextMustBeANumber) {
  struct Case {
    const char* text;
    bool numeric;
  } cases[] = {
      {"12", true},   {" 12 ", true},  {"-1.5", true}, {"1e3", true},
      {"", false},    {"  ", false},   {"12a", false}, {"inf", false},
      {"nan", false}, {"0x1A", false}, {"1 2", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(is_numeric(c.text), c.numeric);
  }
}

TEST(NumberText, ShortestDecimalForm) {
  struct Case {
    double value;
    const char* expected;
  } cases[] = {
      {147, "147"},
      {-3, "-3"},
      {0, "0"},
      {0.5, "0.5"},
      {-0.5, "-0.5"},
      {2.5, "2.5"},
      {0.1 + 0.2, "0.3"},  // 15 significant digits
      {1.0 / 3, "0.333333333333333"},
      {123456789012345, "123456789012345"},
      {1e15, "1E+15"},
      {1e20, "1E+20"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(number_text(c.value), c.expected);
  }
}

// The window sets the user's locale before the sheet is computed: numbers
// must read and print the same under a locale with a decimal comma.
TEST(Numbers, IgnoreTheLocaleDecimalComma) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) {
    GTEST_SKIP() << "the locale it_IT.UTF-8 is not installed (scripts/setup.sh makes it)";
  }
  EXPECT_EQ(number_text(0.5), "0.5");
  EXPECT_EQ(number_text(1e20), "1E+20");
  EXPECT_DOUBLE_EQ(val("2.5E-1"), 0.25);
  EXPECT_DOUBLE_EQ(val("1,5"), 1);
  EXPECT_TRUE(is_numeric("-1.5"));
  EXPECT_FALSE(is_numeric("1,5"));
  std::setlocale(LC_ALL, before.c_str());
}

}  // namespace
}  // namespace giornaro::rt
