#include "sky/moon.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "calendar/date_arithmetic.h"
#include "runtime/dates.h"
#include "runtime/failure.h"
#include "runtime/numbers.h"

namespace giornaro::sky {
namespace {

using calendar::Math_ceil;
using calendar::Math_floor;

constexpr double kPi = 3.14159265358979;

// Indexed by Phase.
constexpr std::array<std::string_view, 7> kPhaseWords{
    "", "Plenilunio", "1° Quarto", "Ult.Quarto", "Novilunio", "Crescente", "Calante",
};

// Days to add to the age counted from last December's new moon, by today's month.
constexpr std::array<int, 12> kAgeCorrection_days{0, 1, 0, 1, 2, 3, 4, 5, 7, 7, 9, 9};

double radians(double degrees) {
  return degrees * kPi / 180;
}

void check_month(int month) {
  if (month < 1 || month > 12) {
    throw Failure("Mese " + rt::number_text(month) +
                  " fuori dall'intervallo 1-12 nel calcolo della luna.");
  }
}

bool counts_leap_day(int mese, int anno) {
  return mese >= 3 && rt::is_leap_year(anno);
}

// The first k with fractional part p not below k0.
double lunation_of_phase(double k0, double p) {
  if (k0 - Math_floor(k0) <= p) return Math_floor(k0) + p;
  return Math_ceil(k0) + p;
}

bool waxing_or_waning(Phase phase) {
  return phase == Phase::waxing || phase == Phase::waning;
}

// Sets the phase to waning or waxing when none has been decided.
void closing_rule(const PhaseDays& days, int t, MoonState& state) {
  if (state.phase != Phase::undecided) return;
  int v = days.dN;
  if (days.dN < days.dF) v = 31;
  state.phase = (t > days.dF && t < v) ? Phase::waning : Phase::waxing;
}

void phase_day_mode(int mese, const PhaseDays& days, int t, MoonState& state) {
  state.month_days = days;
  if (days.dN < days.dF) {
    state.LP = calendar::giorni_mese(mese) + days.dN - days.dF;
  } else {
    state.LP = days.dN - days.dF;
  }
  state.Lunapiena = days.dF;
  if (const auto word = phase_day_word(t, days)) {
    state.phase = word->phase;
    state.picture = word->picture;
  }
  state.new_moon_day = days.dN;
  closing_rule(days, t, state);
}

void moon_age_mode(const PhaseDays& days, int t, int today_month, MoonState& state) {
  check_month(today_month);
  int c = kAgeCorrection_days[static_cast<std::size_t>(today_month - 1)];
  if (state.leap && today_month > 2) c = c + 1;
  int age = 31 - days.dN + c + t;
  if (age > 30) age = age - 30;
  if (state.new_moon_day < t) state.new_moon_day = days.dN;
  state.moon_offset = age + state.new_moon_day - t;
  // Days between this month's new moon and full moon.
  const int s_days = std::abs(state.month_days.dN - state.month_days.dF);
  if (age >= 30) age = age - 29;

  int x_days = 0;  // distance from the full moon
  if (waxing_or_waning(state.phase) || state.phase == Phase::undecided) {
    if (age > s_days) {
      x_days = age - s_days;
      state.phase = Phase::waning;
    } else if (age < s_days) {
      x_days = s_days - age;
      state.phase = Phase::waxing;
    }
  }
  if (today_month == 12 && x_days - 1 >= 0) x_days = x_days - 1;
  int percent = static_cast<int>(Math_floor(7.5 * x_days));
  if (percent > 100) percent = 100;
  if (age > state.moon_offset && state.moon_offset > 20) age = age - state.moon_offset;
  state.age_days = age;
  state.percentage = percent;
  if (state.phase == Phase::waxing) percent = 100 - percent;
  const int bin = picture_bin(percent);
  if (state.phase == Phase::waning) {
    if (state.percentage < 0) state.percentage = 0;
    state.picture = 100 + bin;
  } else if (state.phase == Phase::waxing) {
    state.picture = 110 + bin;
  }
  closing_rule(days, t, state);
}

}  // namespace

double phase_instant(double k, double p) {
  const double t_c = k / 1236.85;  // centuries from 1900
  const double t2_c = t_c * t_c;
  const double t3_c = t2_c * t_c;
  double jd = 2415020.75933 + 29.53058868 * k + 0.0001178 * t2_c - 0.000000155 * t3_c +
              0.00033 * std::sin(radians(166.56 + 132.87 * t_c - 0.009173 * t2_c));
  const double sun_anomaly_rad =
      radians(359.2242 + 29.10535608 * k - 0.0000333 * t2_c - 0.00000347 * t3_c);
  const double moon_anomaly_rad =
      radians(306.0253 + 385.81691806 * k + 0.0107306 * t2_c + 0.00001236 * t3_c);
  const double latitude_arg_rad =
      radians(21.2964 + 390.67050646 * k - 0.0016528 * t2_c - 0.00000239 * t3_c);

  if (p == 0 || p == 0.5) {
    // The full moon takes only the six main terms; the small ones belong to
    // the new moon alone.
    const bool new_moon = p == 0;
    jd = jd + (0.1734 - 0.000393 * t_c) * std::sin(sun_anomaly_rad);
    if (new_moon) jd = jd + 0.0021 * std::sin(2 * sun_anomaly_rad);
    jd = jd - 0.4068 * std::sin(moon_anomaly_rad);
    jd = jd + 0.0161 * std::sin(2 * moon_anomaly_rad);
    if (new_moon) jd = jd - 0.0004 * std::sin(3 * moon_anomaly_rad);
    jd = jd + 0.0104 * std::sin(2 * latitude_arg_rad);
    jd = jd - 0.0051 * std::sin(sun_anomaly_rad + moon_anomaly_rad);
    jd = jd - 0.0074 * std::sin(sun_anomaly_rad - moon_anomaly_rad);
    if (new_moon) {
      jd = jd + 0.0004 * std::sin(2 * latitude_arg_rad + sun_anomaly_rad);
      jd = jd - 0.0004 * std::sin(2 * latitude_arg_rad - sun_anomaly_rad);
      jd = jd - 0.0006 * std::sin(2 * latitude_arg_rad + moon_anomaly_rad);
      jd = jd + 0.001 * std::sin(2 * latitude_arg_rad - moon_anomaly_rad);
      jd = jd + 0.0005 * std::sin(sun_anomaly_rad + 2 * moon_anomaly_rad);
    }
  } else {
    const double side = p == 0.25 ? 1 : -1;  // first quarter, last quarter
    jd = jd + (0.1721 - 0.0004 * t_c) * std::sin(sun_anomaly_rad);
    jd = jd - 0.628 * std::sin(moon_anomaly_rad);
    jd = jd + 0.0089 * std::sin(2 * moon_anomaly_rad);
    jd = jd + 0.0079 * std::sin(2 * latitude_arg_rad);
    jd = jd - 0.0119 * std::sin(sun_anomaly_rad + moon_anomaly_rad);
    jd = jd - 0.0047 * std::sin(sun_anomaly_rad - moon_anomaly_rad);
    jd = jd + side * 0.0028;
    jd = jd - side * 0.0004 * std::cos(sun_anomaly_rad);
    jd = jd + side * 0.0003 * std::cos(moon_anomaly_rad);
  }
  return jd;
}

int day_of_month(double jd) {
  const double z = Math_floor(jd + 0.5);
  double a = z;
  if (z >= 2299161) {
    const double alpha = Math_floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - Math_floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = Math_floor((b - 122.1) / 365.25);
  const double d = Math_floor(365.25 * c);
  const double e = Math_floor((b - d) / 30.6001);
  return static_cast<int>(b - d - Math_floor(30.6001 * e));
}

double lunations_at_month_start(int mese, int anno) {
  check_month(mese);
  double d1 = 1;  // day of the year of the 1st
  for (int i = 1; i <= mese - 1; ++i) d1 = d1 + calendar::giorni_mese(i);
  const bool leap = counts_leap_day(mese, anno);
  if (leap) d1 = d1 + 1;
  const double year_length_days = leap ? 366 : 365;
  const double decimal_year = anno + (d1 - 2.5) / year_length_days;
  return (decimal_year - 1900) * 12.3685;
}

PhaseDays phase_days(int mese, int anno) {
  const double k0 = lunations_at_month_start(mese, anno);
  auto day = [k0](double p) { return day_of_month(phase_instant(lunation_of_phase(k0, p), p)); };
  return PhaseDays{day(0), day(0.25), day(0.5), day(0.75)};
}

std::optional<PhaseWord> phase_day_word(int t, const PhaseDays& days) {
  std::optional<PhaseWord> word;
  if (t == days.dF) word = PhaseWord{Phase::full_moon, 101};
  if (t == days.dQ1) word = PhaseWord{Phase::first_quarter, 115};
  if (t == days.dQ3) word = PhaseWord{Phase::last_quarter, 105};
  if (t == days.dN) word = PhaseWord{Phase::new_moon, 110};
  return word;
}

int picture_bin(int percent) {
  if (percent <= 10) return 1;
  if (percent > 90) return 10;
  return (percent + 9) / 10;
}

std::string_view phase_word(Phase phase) {
  return kPhaseWords.at(static_cast<std::size_t>(phase));
}

std::string age_caption(int age_days) {
  return rt::number_text(age_days) + (age_days == 1 ? " giorno" : " giorni");
}

void flunari(int mese, int anno, MoonCall call, int today_day, int today_month, MoonState& state) {
  const PhaseDays days = phase_days(mese, anno);
  if (counts_leap_day(mese, anno)) state.leap = true;
  if (call == MoonCall::phase_days) {
    phase_day_mode(mese, days, today_day, state);
  } else {
    moon_age_mode(days, today_day, today_month, state);
  }
}

}  // namespace giornaro::sky
