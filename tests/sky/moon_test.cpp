#include "sky/moon.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "runtime/failure.h"

namespace giornaro::sky {
namespace {

// The day sheet's two calls on a fresh state.
MoonState sheet_moon(int day, int month, int year) {
  MoonState state;
  flunari(month, year, MoonCall::phase_days, day, month, state);
  flunari(12, year - 1, MoonCall::moon_age, day, month, state);
  return state;
}

TEST(Moon, PhaseDaysOfAMonth) {
  struct Case {
    int mese, anno;
    PhaseDays days;
    const char* why;
  } cases[] = {
      {1, 2024, {11, 18, 25, 4}, "last quarter before the new moon"},
      {6, 2026, {15, 21, 31, 8}, "the full moon of 31 May counts as this month's"},
      {1, 1911, {30, 8, 14, 22}, "new moon on 30 December"},
      {8, 2000, {31, 7, 15, 22}, "new moon on 31 July"},
      {12, 2024, {1, 8, 15, 22}, "leap year, December"},
      {3, 2025, {29, 6, 14, 22}, "March after a leap year"},
      {1, 1500, {1, 8, 16, 25}, "Julian calendar"},
      {3, 2119, {11, 19, 26, 4}, "full moon minutes before midnight: its six terms only"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const PhaseDays days = phase_days(c.mese, c.anno);
    EXPECT_EQ(days.dN, c.days.dN);
    EXPECT_EQ(days.dQ1, c.days.dQ1);
    EXPECT_EQ(days.dF, c.days.dF);
    EXPECT_EQ(days.dQ3, c.days.dQ3);
  }
}

TEST(Moon, LunationsAtTheStartOfTheMonth) {
  // The decimal year counts 366 days only from March of a leap year.
  struct Case {
    int mese, anno;
    double k0;
    const char* why;
  } cases[] = {
      {1, 2024, 1533.6431705479458, "January: year - 1.5/365"},
      {2, 2024, 1534.6936458904104, "February of a leap year still on 365 days"},
      {3, 2024, 1535.6709323770483, "March of a leap year: day 61 of 366"},
      {3, 2023, 1523.2739623287669, "March of a common year: day 60 of 365"},
      {12, 2024, 1544.9642042349715, "December of a leap year"},
      {1, 1900, -0.05082945205405485, "before the first lunation"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_DOUBLE_EQ(lunations_at_month_start(c.mese, c.anno), c.k0);
  }
}

TEST(Moon, PhaseInstantsFollowTheSky) {
  // Observed phases, UT; the series is good to a few minutes.
  struct Case {
    double k, p, jd;
    const char* why;
  } cases[] = {
      {0, 0, 2415021.078, "new moon 1 January 1900 13:52"},
      {1533.75, 0.75, 2460313.646, "last quarter 4 January 2024 03:30"},
      {1534, 0, 2460320.998, "new moon 11 January 2024 11:57"},
      {1534.25, 0.25, 2460327.662, "first quarter 18 January 2024 03:53"},
      {1534.5, 0.5, 2460335.246, "full moon 25 January 2024 17:54"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(phase_instant(c.k, c.p), c.jd, 0.003);
  }
}

TEST(Moon, DayOfMonthOfAJulianDay) {
  struct Case {
    double jd;
    int day;
    const char* why;
  } cases[] = {
      {2451544.5, 1, "1 January 2000 at 0 h"},
      {2451544.4999, 31, "the instant before"},
      {2451603.5, 29, "29 February 2000"},
      {2299160.5, 15, "15 October 1582, first Gregorian day"},
      {2299160.4, 4, "4 October 1582, last Julian day"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(day_of_month(c.jd), c.day);
  }
}

TEST(Moon, PhaseDayWordLaterTestWins) {
  const PhaseDays distinct{11, 18, 25, 4};
  struct Case {
    int t;
    PhaseDays days;
    std::string_view stato;  // empty: no phase day
    int picture;
  } cases[] = {
      {12, distinct, "", 0},
      {25, distinct, "Plenilunio", 101},
      {18, distinct, "1° Quarto", 115},
      {4, distinct, "Ult.Quarto", 105},
      {11, distinct, "Novilunio", 110},
      {14, {14, 7, 14, 22}, "Novilunio", 110},
      {7, {30, 7, 7, 22}, "1° Quarto", 115},
      {22, {30, 22, 7, 22}, "Ult.Quarto", 105},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.t);
    const auto word = phase_day_word(c.t, c.days);
    if (c.stato.empty()) {
      EXPECT_FALSE(word.has_value());
      continue;
    }
    ASSERT_TRUE(word.has_value());
    EXPECT_EQ(phase_word(word->phase), c.stato);
    EXPECT_EQ(word->picture, c.picture);
  }
}

TEST(Moon, PictureBins) {
  struct Case {
    int percent;
    int bin;
  } cases[] = {{0, 1},  {10, 1}, {11, 2}, {20, 2},  {21, 3},
               {50, 5}, {51, 6}, {90, 9}, {91, 10}, {100, 10}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    EXPECT_EQ(picture_bin(c.percent), c.bin);
  }
}

TEST(Moon, PhaseDayModeLeavesPhaseDaysAndFullMoon) {
  struct Case {
    int mese, anno;
    int dN, dF, LP, Lunapiena;
    const char* why;
  } cases[] = {
      {1, 2024, 11, 25, 17, 25, "31 days of January + 11 - 25"},
      {6, 2026, 15, 31, 14, 31, "30 days of June + 15 - 31"},
      {1, 1911, 30, 14, 16, 14, "new moon after full moon: the days subtracted"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    MoonState state;
    flunari(c.mese, c.anno, MoonCall::phase_days, 1, c.mese, state);
    EXPECT_EQ(state.month_days.dN, c.dN);
    EXPECT_EQ(state.month_days.dF, c.dF);
    EXPECT_EQ(state.LP, c.LP);
    EXPECT_EQ(state.Lunapiena, c.Lunapiena);
  }
}

TEST(Moon, SheetOfTheDay) {
  struct Case {
    int day, month, year;
    std::string stato, eta;
    int picture;
    int percentage, Lunapiena;
    const char* why;
  } cases[] = {
      {1, 1, 2024, "Calante", "20 giorni", 105, 45, 25, "waning"},
      {4, 1, 2024, "Ult.Quarto", "23 giorni", 105, 0, 25, "last quarter day"},
      {11, 1, 2024, "Novilunio", "1 giorno", 110, 0, 25, "new moon day, age 1 in the singular"},
      {18, 1, 2024, "1° Quarto", "7 giorni", 115, 0, 25, "first quarter day"},
      {25, 1, 2024, "Plenilunio", "14 giorni", 101, 0, 25, "full moon day"},
      {26, 1, 2024, "Calante", "15 giorni", 101, 7, 25, "the day after full moon"},
      {24, 12, 2023, "Crescente", "11 giorni", 118, 22, 27, "December takes one day off X"},
      {10, 3, 2025, "Crescente", "11 giorni", 117, 30, 14,
       "the leap flag of December 2024 adds a day in March 2025"},
      {3, 4, 1901, "Crescente", "14 giorni", 120, 0, 4, "waxing with X = 0 shows full"},
      {7, 6, 2020, "Calante", "16 giorni", 101, 0, 5, "waning with X = 0 shows full"},
      {15, 6, 2026, "Novilunio", "29 giorni", 110, 0, 31, "new moon day counted from December"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const MoonState state = sheet_moon(c.day, c.month, c.year);
    EXPECT_EQ(state.stato(), c.stato);
    EXPECT_EQ(state.eta(), c.eta);
    EXPECT_EQ(state.picture, c.picture);
    EXPECT_EQ(state.percentage, c.percentage);
    EXPECT_EQ(state.Lunapiena, c.Lunapiena);
  }
}

TEST(Moon, LeapFlagIsSetFromMarchAndNeverCleared) {
  struct Step {
    int mese, anno;
    bool leap_after;
  } steps[] = {
      {1, 2024, false}, {2, 2024, false}, {3, 2024, true},  // January and February count 365 days
      {3, 2025, true},  {12, 2023, true},                   // a later call never clears it
  };
  MoonState state;
  for (const auto& s : steps) {
    SCOPED_TRACE(std::to_string(s.mese) + "/" + std::to_string(s.anno));
    flunari(s.mese, s.anno, MoonCall::phase_days, 1, s.mese, state);
    EXPECT_EQ(state.leap, s.leap_after);
  }
  MoonState common_year;
  flunari(3, 2025, MoonCall::phase_days, 10, 3, common_year);
  EXPECT_FALSE(common_year.leap);
  flunari(12, 2024, MoonCall::moon_age, 10, 3, common_year);
  EXPECT_TRUE(common_year.leap);
}

TEST(Moon, RefusesAMonthOutsideTheYear) {
  MoonState state;
  EXPECT_THROW(flunari(13, 2024, MoonCall::phase_days, 1, 1, state), Failure);
  EXPECT_THROW(flunari(0, 2024, MoonCall::phase_days, 1, 1, state), Failure);
  EXPECT_THROW(flunari(12, 2023, MoonCall::moon_age, 1, 0, state), Failure);
}

TEST(Moon, EveryDayGivesAConsistentSheetAndARestartChangesNothing) {
  using namespace std::chrono;
  for (sys_days day = sys_days{1990y / January / 1}; day <= sys_days{2030y / December / 31};
       day += days{1}) {
    const year_month_day date{day};
    const int d = static_cast<int>(static_cast<unsigned>(date.day()));
    const int m = static_cast<int>(static_cast<unsigned>(date.month()));
    const int y = static_cast<int>(date.year());
    MoonState state = sheet_moon(d, m, y);
    const MoonState first = state;
    flunari(m, y, MoonCall::phase_days, d, m, state);
    flunari(12, y - 1, MoonCall::moon_age, d, m, state);

    const int picture = first.picture.value_or(0);
    bool ok = state.phase == first.phase && state.age_days == first.age_days &&
              state.picture == first.picture && state.percentage == first.percentage;
    ok = ok && first.percentage >= 0 && first.percentage <= 100;
    if (first.stato() == "Calante") {
      ok = ok && picture >= 101 && picture <= 110;
    } else if (first.stato() == "Crescente") {
      ok = ok && picture >= 111 && picture <= 120;
    } else {
      ok = ok && first.percentage == 0 &&
           ((first.stato() == "Plenilunio" && picture == 101) ||
            (first.stato() == "1° Quarto" && picture == 115) ||
            (first.stato() == "Ult.Quarto" && picture == 105) ||
            (first.stato() == "Novilunio" && picture == 110));
    }
    const std::string eta = first.eta();
    const std::string age = eta.substr(0, eta.find(' '));
    ok = ok && !age.empty() && age.find_first_not_of("0123456789") == std::string::npos &&
         eta == age + (age == "1" ? " giorno" : " giorni");
    if (!ok) {
      ADD_FAILURE() << d << "/" << m << "/" << y << ": " << first.stato() << ", " << eta << ", "
                    << picture << ", " << first.percentage;
      return;
    }
  }
}

}  // namespace
}  // namespace giornaro::sky
