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
      {"29/02/1900", false, 0, 0, 0},     // no leap day in 1900
      {"29/02/1500", true, 1500, 2, 29},  // Julian leap day before the reform
      {"29/02/1700", false, 0, 0, 0},
      {"10/10/1582", true, 1582, 10, 10},  // a Julian date
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

// Records before 15 October 1582 are Julian dates.
TEST(RecordWeekday, HistoricalDatesAndTheReform) {
  struct Case {
    const char* text;
    int weekday;
  } cases[] = {
      {"1/1/1", 7},       // a Saturday in the Julian calendar
      {"14/10/1066", 7},  // battle of Hastings, a Saturday
      {"12/10/1492", 6},  // Columbus lands, a Friday
      {"4/10/1582", 5},   // last Julian day in Rome, a Thursday
      {"15/10/1582", 6},  // first Gregorian day, the Friday after
      {"20/4/2025", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(record_weekday(*parse_date_dmy(c.text)), c.weekday);
  }
  // Every Julian day from 1/1/1 to 4/10/1582 follows the day before it.
  int expected = 7;
  for (int y = 1; y <= 1582; ++y) {
    for (int m = 1; m <= 12; ++m) {
      for (int d = 1; d <= 31; ++d) {
        const std::string text =
            std::to_string(d) + "/" + std::to_string(m) + "/" + std::to_string(y);
        const auto date = parse_date_dmy(text);
        if (!date || *date >= year{1582} / October / 5) continue;
        if (record_weekday(*date) != expected) FAIL() << text;
        expected = expected % 7 + 1;
      }
    }
  }
  EXPECT_EQ(expected, 6);  // and 15/10/1582 comes next
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
