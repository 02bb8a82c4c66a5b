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

// The two calls of one sheet: the days of this month's phases, then the
// moon's age counted from last December's new moon.
enum class MoonCall { phase_days, moon_age };

// The moon's state; the sheet shows it as a word (phase_word).
enum class Phase {
  undecided,      // before the first call decides it
  full_moon,      // "Plenilunio"
  first_quarter,  // "1° Quarto"
  last_quarter,   // "Ult.Quarto"
  new_moon,       // "Novilunio"
  waxing,         // "Crescente"
  waning,         // "Calante"
};

// The caption of a state: "Plenilunio", ..., "Calante"; empty while undecided.
std::string_view phase_word(Phase phase);

// The caption of the moon's age: "12 giorni", "1 giorno", "0 giorni".
std::string age_caption(int age_days);

// Day numbers of the first new moon, first quarter, full moon and last
// quarter from about a day and a half before the 1st of `mese`; each may lie
// in the month before or after.
struct PhaseDays {
  int dN = 0;
  int dQ1 = 0;
  int dF = 0;
  int dQ3 = 0;
};

// Values the two calls of one start-up share (and a restart keeps).
struct MoonState {
  // Shown by the day sheet.
  Phase phase = Phase::undecided;
  std::optional<int> age_days;  // the moon's age, none before the moon-age call
  std::optional<int> picture;   // 101..110 waning from full to new, 111..120 waxing
  int percentage = 0;           // 0..100 (0 on a phase day)
  int Lunapiena = 0;            // day of this month's full moon

  // Left by the phase-day call for the moon-age call.
  PhaseDays month_days;  // this month's phase days
  int LP = 0;            // days from this month's full moon to the next new moon
  int new_moon_day = 0;  // this month's new-moon day; the age call may replace it
  int moon_offset = 0;   // age + new-moon day - today's day
  bool leap = false;     // set by any call for March or later of a leap year, never cleared

  std::string_view stato() const { return phase_word(phase); }
  std::string eta() const { return age_days ? age_caption(*age_days) : std::string(); }
};

// `today_day` and `today_month` are the real date of the sheet (the moon-age
// call runs on December of last year but counts the age to today). Throws
// giornaro::Failure for a month outside 1..12.
void flunari(int mese, int anno, MoonCall call, int today_day, int today_month, MoonState& state);

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
  Phase phase;
  int picture;
};
std::optional<PhaseWord> phase_day_word(int t, const PhaseDays& days);

// Picture step 1..10 of an illuminated percentage: up to 10 gives 1, 11..20
// gives 2, ..., above 90 gives 10.
int picture_bin(int percent);

}  // namespace giornaro::sky
