// The moon's phase days, state word, age and picture for the day sheet.
//
// flunari() runs twice per sheet on one MoonState: first in phase-day mode for
// today's month (the days of this month's four phases, today's phase word if
// today is one of them), then in moon-age mode for December of last year (the
// moon's age counted from that December's new moon, the waxing/waning word,
// the illuminated percentage and the picture). The phase instants come from
// the low-precision lunation series counted from the mean new moon of 1900
// (Julian Day 2415020.75933, lunation 29.53058868 days), with pi taken as
// 3.14159265358979; every floor and ceiling is calendar::Math_floor/Math_ceil.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace giornaro::sky {

// Values the two calls of one start-up share (and a restart keeps).
struct MoonState {
  // Shown by the day sheet.
  std::string stato;           // "Plenilunio", "1° Quarto", "Ult.Quarto", "Novilunio",
                               // "Crescente", "Calante", or empty while undecided
  std::string eta;             // caption of the moon's age: "12 giorni", "1 giorno"
  std::optional<int> picture;  // 101..110 waning from full to new, 111..120 waxing
  double percentage = 0;       // whole number 0..100 (0 on a phase day)
  double Lunapiena = 0;        // day of this month's full moon

  // Left by the phase-day call for the moon-age call.
  std::string LN;               // stamp of this month's new moon, year & MM & DD
  std::string full_moon_stamp;  // stamp of this month's full moon
  double LP = 0;                // days from this month's full moon to the next new moon
  double new_moon_day = 0;      // this month's new-moon day; the age call may replace it
  double moon_offset = 0;       // age + new-moon day - today's day
  bool leap = false;            // set by any call for March or later of a leap year, never cleared
};

// Phase-day mode when calenda == 3, moon-age mode otherwise. `today_day` and
// `today_month` are the real date of the sheet (the moon-age call runs on
// December of last year but counts the age to today). Throws giornaro::Failure
// for a month outside 1..12.
void flunari(int mese, int anno, int calenda, int today_day, int today_month, MoonState& state);

// Day numbers of the first new moon, first quarter, full moon and last
// quarter from about a day and a half before the 1st of `mese`; each may lie
// in the month before or after.
struct PhaseDays {
  int dN;
  int dQ1;
  int dF;
  int dQ3;
};
PhaseDays phase_days(int mese, int anno);

// k0: lunations since January 1900 at a day and a half before the 1st of
// `mese`, on a decimal year of 366 days only from March of a leap year.
double lunations_at_month_start(int mese, int anno);

// Julian Day of the phase p (0 new, 0.25 first quarter, 0.5 full, 0.75 last
// quarter) at k lunations from January 1900, k's fraction being p, with the
// periodic corrections of that phase. The instant is used as it comes out, with
// no time-zone or dynamical-time correction.
double phase_instant(double k, double p);

// Day of the month of a Julian Day (Julian calendar before 15 October 1582).
int day_of_month(double jd);

// The phase word and picture when today (t) is a phase day; the later test
// of full moon, first quarter, last quarter, new moon wins when days coincide.
struct PhaseWord {
  std::string_view stato;
  int picture;
};
std::optional<PhaseWord> phase_day_word(int t, const PhaseDays& days);

// Picture step 1..10 of an illuminated percentage: up to 10 gives 1, 11..20
// gives 2, ..., above 90 gives 10.
int picture_bin(double percent);

}  // namespace giornaro::sky
