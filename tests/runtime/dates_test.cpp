#include "runtime/dates.h"

#include <gtest/gtest.h>

namespace giornaro::rt {
namespace {

using namespace std::chrono;

TEST(ParseDateDmy, ValidAndInvalidTexts) {
  struct Case {
    const char* text;
    bool valid;
    int y, m, d;
  } cases[] = {
      {"5/9/2020", true, 2020, 9, 5},
      {"05/09/2020", true, 2020, 9, 5},
      {"20/4/476", true, 476, 4, 20},
      {"29/02/2000", true, 2000, 2, 29},
      {"29/02/2024", true, 2024, 2, 29},
      {"1/1/1", true, 1, 1, 1},
      {"31/12/9999", true, 9999, 12, 31},
      {"31/02/2020", false, 0, 0, 0},
      {"29/02/1900", false, 0, 0, 0},  // no leap day in 1900
      {"29/02/2023", false, 0, 0, 0},
      {"31/04/2020", false, 0, 0, 0},
      {"0/1/2020", false, 0, 0, 0},
      {"1/0/2020", false, 0, 0, 0},
      {"1/13/2020", false, 0, 0, 0},
      {"1/1/0", false, 0, 0, 0},
      {"1/1/10000", false, 0, 0, 0},
      {"-1/1/2020", false, 0, 0, 0},
      {"5/9", false, 0, 0, 0},
      {"5/9/", false, 0, 0, 0},
      {"5/9/2020/1", false, 0, 0, 0},
      {"a/9/2020", false, 0, 0, 0},
      {"", false, 0, 0, 0},
      {"123/1/2020", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto date = parse_date_dmy(c.text);
    ASSERT_EQ(date.has_value(), c.valid);
    if (c.valid) {
      EXPECT_EQ(*date, year{c.y} / c.m / c.d);
    }
  }
}

TEST(WeekdaySundayFirst, KnownDates) {
  struct Case {
    year_month_day date;
    int weekday;
  } cases[] = {
      {2025y / April / 20, 1},    {2025y / April / 21, 2},    {1970y / January / 1, 5},
      {2004y / December / 25, 7}, {year{1} / January / 1, 2}, {year{9999} / December / 31, 6},
      {1582y / October / 15, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.date.year()));
    EXPECT_EQ(weekday_sunday_first(c.date), c.weekday);
  }
}

TEST(WeekdaySundayFirst, StepsByOneEveryDayOfYears1To9999) {
  int expected = 2;  // 1 January of year 1 was a Monday (proleptic Gregorian)
  for (sys_days day = sys_days{year{1} / January / 1}; day <= sys_days{year{9999} / December / 31};
       day += days{1}) {
    const int weekday = weekday_sunday_first(year_month_day{day});
    if (weekday != expected) {
      FAIL() << static_cast<int>(year_month_day{day}.year());
    }
    expected = expected % 7 + 1;
  }
}

TEST(IsLeapYear, GregorianRule) {
  struct Case {
    int year;
    bool leap;
  } cases[] = {{1900, false}, {2000, true},  {2024, true}, {2023, false},
               {1600, true},  {2100, false}, {4, true},    {1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(is_leap_year(c.year), c.leap);
  }
}

}  // namespace
}  // namespace giornaro::rt
