#include "sky/sun.h"

#include <cmath>

#include "calendar/date_arithmetic.h"
#include "runtime/failure.h"
#include "runtime/numbers.h"
#include "runtime/text.h"

namespace giornaro::sky {
namespace {

using calendar::Math_floor;

constexpr double kPi = 3.14159265358979;
constexpr double RAD = 180 / kPi;  // degrees per radian

// Solar elements at the epoch J0.
constexpr double kEccentricity = 0.016718;
constexpr double kPerigeeAtEpoch_rad = 4.93204;
constexpr double kPerigeeRate = 8.22e-05;  // radians per 100 days
constexpr double kMeanAnomalyAtEpoch_rad = 2.12344;
constexpr double kMeanMotion_rad_per_day = 0.0172019;
constexpr double kJ0_days = 2444000.5;
constexpr double kJ1900_days = 2415020.5;
constexpr double kObliquityTerm = 0.04301;       // y of the equation of time
constexpr double kSecondsPerRadian = 13750.987;  // K

struct Place {
  double lon_deg;  // east
  double lat_deg;  // north
};

Place read_place_code(std::string_view dati) {
  bool digits = rt::len(dati) == 12;
  for (const char c : dati) digits = digits && c >= '0' && c <= '9';
  if (!digits) {
    throw Failure("Il codice del luogo \"" + std::string(dati) +
                  "\" non è di 12 cifre: impossibile calcolare alba e tramonto.");
  }
  const double lon_deg =
      rt::val(rt::mid(dati, 1, 2)) + rt::val(rt::mid(dati, 3, 2)) / 60 + 0.0 / 3600;
  const double lat_deg =
      rt::val(rt::mid(dati, 5, 2)) + rt::val(rt::mid(dati, 7, 2)) / 60 + 0.0 / 3600;
  return Place{lon_deg, lat_deg};
}

// What S2 to S5 leave for the rising and the setting.
struct SolarDay {
  double phi_rad;        // latitude
  double lon_deg;        // longitude east
  double decl_deg;       // declination at 0 h UT
  double decl_rate_deg;  // change of declination per day
  double semi_arc_deg;   // approximate semi-diurnal arc H0
  double equation_s;     // equation of time Q
};

SolarDay solar_day(double jd, const Place& place) {
  const double e = kEccentricity;
  const double two_pi = 2 * kPi;

  const double omega_rad = kPerigeeAtEpoch_rad + (jd - kJ0_days) * kPerigeeRate / 100;
  double mean_anomaly_rad = kMeanAnomalyAtEpoch_rad + kMeanMotion_rad_per_day * (jd - kJ0_days);
  mean_anomaly_rad = mean_anomaly_rad - two_pi * Math_floor(mean_anomaly_rad / two_pi);
  const double m = mean_anomaly_rad;

  double true_anomaly_rad = m + 2 * e * std::sin(m) + 1.25 * (e * e) * std::sin(2 * m);
  if (true_anomaly_rad < 0) true_anomaly_rad = true_anomaly_rad + two_pi;
  double lambda_rad = omega_rad + true_anomaly_rad;
  lambda_rad = lambda_rad - two_pi * Math_floor(lambda_rad / two_pi);

  const double t_years = (jd - kJ1900_days) / 365.2422;
  const double epsilon_deg = 23.452294 - (0.46845 * t_years + 5.9e-07 * (t_years * t_years)) / 3600;
  const double epsilon_rad = epsilon_deg / RAD;
  const double delta_rad = Sun_asin(std::sin(lambda_rad) * std::sin(epsilon_rad));
  const double delta_deg = delta_rad * RAD;

  const double k = kSecondsPerRadian;
  const double y = kObliquityTerm;
  const double equation_s = 2 * e * k * std::sin(m) + 1.25 * (e * e) * k * std::sin(2 * m) -
                            y * k * std::sin(2 * (omega_rad + m)) +
                            (y * y) * k * std::sin(4 * (omega_rad + m)) / 2;

  const double decl_rate_deg =
      std::sin(epsilon_rad) * 0.9856 * std::cos(lambda_rad) / std::cos(delta_rad);
  const double phi_rad = place.lat_deg / RAD;
  const double semi_arc_deg = Sun_acos(-std::tan(phi_rad) * std::tan(delta_rad)) * RAD;
  return SolarDay{phi_rad, place.lon_deg, delta_deg, decl_rate_deg, semi_arc_deg, equation_s};
}

// Rising (side = -1) or setting (side = +1) in hours of Universal Time.
double event_hours_ut(const SolarDay& sd, double side) {
  const double decl_deg = sd.decl_deg + sd.decl_rate_deg * (180 + side * sd.semi_arc_deg) / 360;
  const double hour_angle_rad = side * Sun_acos(-std::tan(sd.phi_rad) * std::tan(decl_deg / RAD));
  const double correction_deg =
      5 / (6 * std::cos(sd.phi_rad) * std::cos(decl_deg / RAD) * std::sin(hour_angle_rad));
  const double hours = (hour_angle_rad * RAD + correction_deg) / 15;
  return hours + sd.equation_s / 3600 - sd.lon_deg / 15 + 12;
}

struct ClockTime {
  double hour;
  double minute;
};

// The minute is rounded; a rounded 60 carries into the hour.
ClockTime split_hours(double hours) {
  ClockTime time{Math_floor(hours), 0};
  time.minute = Math_floor((hours - time.hour) * 60 + 0.5);
  if (time.minute == 60) {
    time.minute = 0;
    time.hour = time.hour + 1;
  }
  return time;
}

// Central European Time, kept within one day's hours.
std::string caption(ClockTime ut) {
  double hour = ut.hour + 1;
  if (hour >= 24) hour = hour - 24;
  if (hour < 0) hour = hour + 24;  // far-east codes can rise before 0 h UT
  return rt::two_digits(static_cast<int>(hour)) + ":" + rt::two_digits(static_cast<int>(ut.minute));
}

double inverse_sine_root(double x) {
  const double radicand = 1 - x * x;
  if (!(radicand > 0)) {
    throw Failure("Il sole non sorge o non tramonta in questo luogo oggi: calcolo impossibile (" +
                  rt::number_text(x) + " fuori dall'intervallo tra -1 e 1).");
  }
  return std::sqrt(radicand);
}

}  // namespace

double Sun_asin(double x) {
  return std::atan(x / inverse_sine_root(x));
}

double Sun_acos(double x) {
  return std::atan(-x / inverse_sine_root(x)) + 2 * std::atan(1.0);
}

double julian_day(double giorno, double mese, double anno) {
  const double d = giorno;
  const double m = mese;
  const double y = anno;
  const double g = y <= 1585 ? 0 : 1;
  const double s = m - 9 < 0 ? -1 : 1;
  const double j = Math_floor(y + s * Math_floor(std::fabs(m - 9) / 7));
  double jd = -Math_floor(7 * (Math_floor((m + 9) / 12) + y) / 4) + Math_floor(275 * m / 9) + d +
              g * -Math_floor((Math_floor(j / 100) + 1) * 3 / 4);
  jd = jd + 1721027 + 2 * g + 367 * y - 0.5;
  return jd;
}

SunTimes Sun(int giorno, int mese, int anno, std::string_view dati) {
  const Place place = read_place_code(dati);
  const double jd = julian_day(giorno, mese, anno);
  const SolarDay sd = solar_day(jd, place);
  const ClockTime rise = split_hours(event_hours_ut(sd, -1));
  const ClockTime set = split_hours(event_hours_ut(sd, +1));
  return SunTimes{caption(rise), caption(set)};
}

}  // namespace giornaro::sky
