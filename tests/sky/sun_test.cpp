#include "sky/sun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "place/place_table.h"
#include "runtime/failure.h"

namespace giornaro::sky {
namespace {

constexpr std::string_view kRoma = "122741550020";

TEST(Sun, ShowsTheRoundedMinuteInCentralEuropeanTime) {
  struct Case {
    int giorno, mese, anno;
    std::string_view dati;
    std::string sorge, tramonta;
    const char* why;
  } cases[] = {
      {1, 1, 2000, kRoma, "07:38", "16:49", "winter, Rome"},
      {21, 6, 2024, kRoma, "04:35", "19:49", "summer keeps UT + 1, no daylight saving"},
      {21, 6, 2024, "122741559999", "04:35", "19:49", "the altitude digits are not used"},
      {21, 12, 2024, "091145280122", "08:00", "16:43", "Milan"},
      {25, 12, 2024, "153938070031", "07:12", "16:43", "Reggio Calabria"},
      {12, 1, 2000, kRoma, "07:37", "17:00", "sunset 16:59.51 rounds into the next hour"},
      {6, 5, 2000, kRoma, "05:00", "19:15", "sunrise 03:59.84 UT rounds into the next hour"},
      {15, 3, 1585, kRoma, "06:05", "18:29", "Julian calendar up to 1585"},
      {15, 3, 1586, kRoma, "06:23", "18:18", "Gregorian calendar from 1586"},
      {21, 6, 2024, "000066000000", "01:15", "00:48", "a sunset at 24:48 wraps to 00:48"},
      {21, 6, 2024, "995950000000", "22:11", "14:33",
       "a sunrise before 0 h wraps to the day before"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const SunTimes times = Sun(c.giorno, c.mese, c.anno, c.dati);
    EXPECT_EQ(times.sorge, c.sorge);
    EXPECT_EQ(times.tramonta, c.tramonta);
  }
}

TEST(Sun, RomeThroughTheYearAndOtherTowns) {
  // Small terms of the equation of time and of the declination move these by a minute.
  struct Case {
    std::string_view dati;
    int giorno, mese, anno;
    std::string sorge, tramonta;
  } cases[] = {
      // clang-format off
      {kRoma, 1, 1, 2024, "07:38", "16:49"},   {kRoma, 15, 1, 2024, "07:36", "17:03"},
      {kRoma, 1, 2, 2024, "07:23", "17:24"},   {kRoma, 15, 2, 2024, "07:07", "17:42"},
      {kRoma, 1, 3, 2024, "06:45", "18:01"},   {kRoma, 15, 3, 2024, "06:22", "18:18"},
      {kRoma, 1, 4, 2024, "05:53", "18:37"},   {kRoma, 15, 4, 2024, "05:30", "18:52"},
      {kRoma, 1, 5, 2024, "05:06", "19:09"},   {kRoma, 15, 5, 2024, "04:50", "19:24"},
      {kRoma, 1, 6, 2024, "04:37", "19:39"},   {kRoma, 15, 6, 2024, "04:34", "19:47"},
      {kRoma, 1, 7, 2024, "04:39", "19:49"},   {kRoma, 15, 7, 2024, "04:49", "19:44"},
      {kRoma, 1, 8, 2024, "05:04", "19:28"},   {kRoma, 15, 8, 2024, "05:18", "19:10"},
      {kRoma, 1, 9, 2024, "05:36", "18:43"},   {kRoma, 15, 9, 2024, "05:50", "18:19"},
      {kRoma, 1, 10, 2024, "06:07", "17:51"},  {kRoma, 15, 10, 2024, "06:23", "17:28"},
      {kRoma, 1, 11, 2024, "06:43", "17:04"},  {kRoma, 15, 11, 2024, "07:00", "16:49"},
      {kRoma, 1, 12, 2024, "07:19", "16:40"},  {kRoma, 15, 12, 2024, "07:31", "16:40"},
      {"071945440583", 10, 2, 2025, "07:40", "17:50"}, {"071945440583", 20, 8, 2025, "05:37", "19:30"},
      {"181040210049", 10, 2, 2025, "06:47", "17:17"}, {"181040210049", 20, 8, 2025, "05:03", "18:37"},
      {"134645390002", 10, 2, 2025, "07:14", "17:25"}, {"134645390002", 20, 8, 2025, "05:11", "19:04"},
      {"083639540009", 10, 2, 2025, "07:24", "17:56"}, {"083639540009", 20, 8, 2025, "05:42", "19:15"},
      {"144436560502", 10, 2, 2025, "06:55", "17:36"}, {"144436560502", 20, 8, 2025, "05:22", "18:46"},
      {"095246100307", 10, 2, 2025, "07:31", "17:39"}, {"095246100307", 20, 8, 2025, "05:26", "19:21"},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.dati) + " " + std::to_string(c.giorno) + "/" +
                 std::to_string(c.mese));
    const SunTimes times = Sun(c.giorno, c.mese, c.anno, c.dati);
    EXPECT_EQ(times.sorge, c.sorge);
    EXPECT_EQ(times.tramonta, c.tramonta);
  }
}

TEST(Sun, JulianDayOfMidnight) {
  // Reference values are the Julian Days of the calendar dates (Julian calendar up to 1585).
  struct Case {
    int giorno, mese, anno;
    double jd;
  } cases[] = {
      {1, 1, 2000, 2451544.5},   {29, 2, 2024, 2460369.5},  {1, 3, 2024, 2460370.5},
      {30, 9, 2024, 2460583.5},  {31, 12, 2100, 2488433.5}, {1, 1, 1586, 2300334.5},
      {31, 12, 1585, 2300343.5}, {4, 10, 1582, 2299159.5},  {15, 10, 1582, 2299170.5},
      {1, 1, 1000, 2086307.5},   {1, 1, 1, 1721423.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.giorno) + "/" + std::to_string(c.mese) + "/" +
                 std::to_string(c.anno));
    EXPECT_EQ(julian_day(c.giorno, c.mese, c.anno), c.jd);
  }
}

TEST(Sun, InverseSineAndCosine) {
  const double pi = 3.14159265358979;
  struct Case {
    double x, asin, acos;
  } cases[] = {
      {0, 0, 2 * std::atan(1.0)},
      {0.5, pi / 6, pi / 3},
      {-0.5, -pi / 6, 2 * pi / 3},
      {0.999, std::asin(0.999), std::acos(0.999)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(Sun_asin(c.x), c.asin, 1e-12);
    EXPECT_NEAR(Sun_acos(c.x), c.acos, 1e-12);
  }
  EXPECT_EQ(Sun_asin(0), 0);
  EXPECT_EQ(Sun_acos(0), 2 * std::atan(1.0));
  for (const double x : {1.0, -1.0, 1.5, -2.0, std::nan("")}) {
    SCOPED_TRACE(x);
    EXPECT_THROW(Sun_asin(x), Failure);
    EXPECT_THROW(Sun_acos(x), Failure);
  }
}

TEST(Sun, RefusesWhatItCannotCompute) {
  struct Case {
    std::string_view dati;
    int giorno, mese;
    const char* why;
  } cases[] = {
      {"", 1, 1, "empty code"},
      {"12274155002", 1, 1, "11 digits"},
      {"1227415500200", 1, 1, "13 digits"},
      {"12274155002A", 1, 1, "a letter"},
      {"12 741550020", 1, 1, "a blank"},
      {"000070000000", 21, 6, "midnight sun at 70 degrees north"},
      {"000070000000", 21, 12, "polar night at 70 degrees north"},
      {"000090000000", 21, 3, "the pole"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_THROW(Sun(c.giorno, c.mese, 2024, c.dati), Failure);
  }
}

bool is_clock_time(const std::string& text) {
  if (text.size() != 5 || text[2] != ':') return false;
  for (const int i : {0, 1, 3, 4}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return std::stoi(text.substr(0, 2)) < 24 && std::stoi(text.substr(3, 2)) < 60;
}

TEST(Sun, EveryPlaceEveryDayRisesBeforeItSets) {
  using namespace std::chrono;
  for (const int year : {1900, 2000, 2024, 2100}) {
    for (sys_days day = sys_days{std::chrono::year{year} / January / 1};
         day <= sys_days{std::chrono::year{year} / December / 31}; day += days{1}) {
      const year_month_day date{day};
      const int d = static_cast<int>(static_cast<unsigned>(date.day()));
      const int m = static_cast<int>(static_cast<unsigned>(date.month()));
      for (const auto& place : place::places()) {
        const SunTimes times = Sun(d, m, year, place.code);
        if (!is_clock_time(times.sorge) || !is_clock_time(times.tramonta) ||
            !(times.sorge < times.tramonta)) {
          ADD_FAILURE() << place.name << " " << d << "/" << m << "/" << year << ": " << times.sorge
                        << " " << times.tramonta;
          return;
        }
      }
    }
  }
}

}  // namespace
}  // namespace giornaro::sky
