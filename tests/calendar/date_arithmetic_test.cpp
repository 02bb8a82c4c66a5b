#include "calendar/date_arithmetic.h"

#include <gtest/gtest.h>

#include "runtime/failure.h"

namespace giornaro::calendar {
namespace {

TEST(MathFloorCeil, WholeAndNegativeValues) {
  struct Case {
    double value, floor, ceil;
  } cases[] = {
      {-2.5, -3, -2}, {2, 2, 2},     {2.1, 2, 3},   {-2, -2, -2},
      {0, 0, 0},      {-0.5, -1, 0}, {0.999, 0, 1}, {1e15 + 0.5, 1e15, 1e15 + 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Math_floor(c.value), c.floor);
    EXPECT_EQ(Math_ceil(c.value), c.ceil);
  }
}

TEST(VbMod, RoundsOperandsAndKeepsTheDividendsSign) {
  struct Case {
    double dividend, divisor, expected;
  } cases[] = {
      {2025, 19, 11}, {-7, 3, -1}, {7, -3, 1},
      {-7, -3, -1},   {2.5, 7, 2},  // halves round to even: 2.5 -> 2
      {3.5, 7, 4},                  // 3.5 -> 4
      {10, 2.5, 0},                 // the divisor rounds to 2
      {10, 3.5, 2},                 // to 4
      {-2.5, 4, -2},  {0, 5, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.dividend) + " mod " + std::to_string(c.divisor));
    EXPECT_EQ(vb_mod(c.dividend, c.divisor), c.expected);
  }
  EXPECT_THROW(vb_mod(5, 0), Failure);
  EXPECT_THROW(vb_mod(5, 0.4), Failure);  // rounds to zero
}

TEST(GiorniMese, TableAndBounds) {
  EXPECT_EQ(giorni_mese(1), 31);
  EXPECT_EQ(giorni_mese(2), 28);
  EXPECT_EQ(giorni_mese(12), 31);
  int total = 0;
  for (int m = 1; m <= 12; ++m) total += giorni_mese(m);
  EXPECT_EQ(total, 365);
  EXPECT_THROW(giorni_mese(0), Failure);
  EXPECT_THROW(giorni_mese(13), Failure);
}

TEST(GiorniPrima, WeekdaySuffixOfADateText) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"25/12/2004", " (Sabato)"}, {"1/1/2000", " (Sabato)"},    {"20/4/2025", " (Domenica)"},
      {"21/4/2025", " (Lunedì)"},  {"4/7/1776", " (Giovedì)"},   {"15/10/1582", " (Venerdì)"},
      {"4/10/1582", " (Giovedì)"},  // the last Julian day, a Thursday
      {"1/1/1", " (Sabato)"},      {"31/12/9999", " (Venerdì)"}, {"05/09/2023", " (Martedì)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(GiorniPrima(c.text), c.expected);
  }
}

TEST(GiorniPrima, TextThatIsNoDateThrows) {
  for (const char* text : {"", "31/02/2020", "29/2/1900", "12/2020", "a/b/c", "1/13/2000"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(GiorniPrima(text), Failure);
  }
}

TEST(WeekdaySuffix, AllSeven) {
  const char* expected[] = {" (Domenica)", " (Lunedì)",  " (Martedì)", " (Mercoledì)",
                            " (Giovedì)",  " (Venerdì)", " (Sabato)"};
  for (int w = 1; w <= 7; ++w) EXPECT_EQ(weekday_suffix(w), expected[w - 1]);
  EXPECT_THROW(weekday_suffix(8), std::out_of_range);
}

}  // namespace
}  // namespace giornaro::calendar
