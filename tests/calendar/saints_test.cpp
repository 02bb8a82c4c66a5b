#include "calendar/saints.h"

#include <gtest/gtest.h>

#include <string>

namespace giornaro::calendar {
namespace {

const std::string& saint(int day, int month, int year) {
  static SaintTable table;
  table = ferialday(month, year);
  return table[static_cast<std::size_t>(day)];
}

TEST(Ferialday, NamesBeforeAndFrom1970AndTheLeapYearMove) {
  struct Case {
    int day, month, year;
    std::string expected;
  } cases[] = {
      {7, 1, 1969, "S.Giuliano"},
      {7, 1, 1970, "S.Raimondo"},
      {14, 2, 1969, "S.Valentino"},
      {14, 2, 1970, "SS.Cirillo e Metodio (San Valentino)"},
      {14, 5, 1969, "S.Bonifacio"},
      {14, 5, 1970, "S.Mattia"},
      // S.Mattia: the 24th in common years, the 25th in leap years, until 1969.
      {24, 2, 1969, "S.Mattia"},
      {25, 2, 1969, "S.Romeo"},
      {24, 2, 1968, "S.Costanza"},
      {25, 2, 1968, "S.Mattia"},
      {24, 2, 1900, "S.Mattia"},  // 1900 is no leap year
      {25, 2, 1900, "S.Romeo"},
      {24, 2, 1600, "S.Costanza"},  // 1600 is
      {25, 2, 1600, "S.Mattia"},
      {24, 2, 2024, "S.Costanza"},
      {25, 2, 2024, "S.Romeo"},
      {24, 2, 2025, "S.Costanza"},
      {25, 2, 2025, "S.Romeo"},
      // Exact spellings.
      {17, 1, 2025, "S.Antonio ab."},
      {7, 8, 2025, "SS. Sisto II e compagni, S.Gaetano"},
      {7, 8, 1950, "S.Gaetano"},
      {8, 3, 2025, "S.Giovanni Di Dio"},
      {1, 7, 2025, "Prez.Sangue Gesù"},
      {24, 6, 2025, "Natività S.Giov. Battista"},
      {25, 5, 2025, "S.Beda, S.Gregorio VII"},
      {1, 8, 1950, "S.Pietro in vincoli"},
      {2, 8, 1950, "S.Alfonso M. de' Liguori"},
      {29, 9, 2025, "SS.Michele, Gabriele, Raffaele"},
      {3, 10, 1950, "S.Teresa del B.Gesù"},
      {19, 10, 2025, "SS.Giovanni e Isacco e compagni"},
      {23, 11, 2025, "S.Clemente I, S.Colombano"},
      {12, 12, 2025, "S.Giovanna Francesca di Chantal"},
      {31, 12, 1, "S.Silvestro"},
      {1, 1, 9999, "Capodanno"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                 std::to_string(c.year));
    EXPECT_EQ(saint(c.day, c.month, c.year), c.expected);
  }
}

TEST(Ferialday, TwentyNinthOfFebruaryInEveryYear) {
  for (int year : {1900, 1969, 1970, 2023, 2024}) {
    SCOPED_TRACE(year);
    EXPECT_EQ(saint(29, 2, year), "S.Giusto");
  }
}

TEST(Ferialday, FillsExactlyTheDaysOfTheMonth) {
  const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int days = 0;
  int changed_in_1970 = 0;
  for (int month = 1; month <= 12; ++month) {
    SCOPED_TRACE(month);
    const SaintTable before = ferialday(month, 1969);
    const SaintTable after = ferialday(month, 1970);
    EXPECT_TRUE(before[0].empty());
    for (int day = 1; day <= 31; ++day) {
      const auto i = static_cast<std::size_t>(day);
      const bool in_month = day <= lengths[month - 1];
      EXPECT_EQ(!before[i].empty(), in_month) << day;
      EXPECT_EQ(!after[i].empty(), in_month) << day;
      if (!in_month) continue;
      ++days;
      // Names carry no stray blanks.
      EXPECT_EQ(after[i].front() != ' ' && after[i].back() != ' ', true) << after[i];
      const bool leap_rule_day = month == 2 && (day == 24 || day == 25);
      if (!leap_rule_day && before[i] != after[i]) ++changed_in_1970;
    }
  }
  EXPECT_EQ(days, 366);
  EXPECT_EQ(changed_in_1970, 153);
}

TEST(Ferialday, MonthOutsideTheYearLeavesTheTableEmpty) {
  for (int month : {0, 13, -1}) {
    const SaintTable table = ferialday(month, 2025);
    for (const auto& name : table) EXPECT_TRUE(name.empty());
  }
}

// The names themselves are checked on whole sheets (tests/e2e/whole_sheet_test.cpp).
TEST(Names, OutsideTheTablesThrow) {
  EXPECT_THROW(month_name(13), std::out_of_range);
  EXPECT_THROW(weekday_name(0), std::out_of_range);
}

}  // namespace
}  // namespace giornaro::calendar
