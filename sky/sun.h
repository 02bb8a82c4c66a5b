// Sunrise and sunset of one place and day, in Central European Time (UT + 1)
// all year round, from a low-precision solar theory: fixed orbital elements
// at Julian Day 2444000.5, the equation of time, the declination corrected to
// the moment of rising and of setting, and 5/6 degree for refraction and the
// sun's semi-diameter. Every step keeps its own order of floating-point
// operations and pi = 3.14159265358979, so the minutes are reproducible.
#pragma once

#include <string>
#include <string_view>

namespace giornaro::sky {

struct SunTimes {
  std::string sorge;     // sunrise "HH:MM"
  std::string tramonta;  // sunset "HH:MM"
};

// `dati` is a 12-digit place code: longitude degrees and minutes east (1-2,
// 3-4), latitude degrees and minutes north (5-6, 7-8), altitude (9-12, not
// used). Throws giornaro::Failure when the code is not 12 digits or the sun
// neither rises nor sets there that day (an arcsine or arccosine of 1 or more).
SunTimes Sun(int giorno, int mese, int anno, std::string_view dati);

// Julian Day of 0 h UT on day/month/year: the Julian calendar up to 1585, the
// Gregorian one from 1586 on (1/1/2000 gives 2451544.5).
double julian_day(double giorno, double mese, double anno);

// The inverse sine and cosine built from the arctangent and the square root:
// atan(x / sqrt(1 - x*x)) and atan(-x / sqrt(1 - x*x)) + 2*atan(1). Throw
// giornaro::Failure when 1 - x*x is not positive (|x| >= 1).
double Sun_asin(double x);
double Sun_acos(double x);

}  // namespace giornaro::sky
