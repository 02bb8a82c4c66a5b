// Easter in both reckonings, the feasts that hang on it, and the ordered list
// of religious feasts and Italian civil holidays with the years each applied.
#pragma once

#include <string>

namespace giornaro::calendar {

// Easter values of one year. A March-date counts 1 March as 1, so 32 is
// 1 April. Every derived day counts from the Gregorian Easter.
struct EasterDays {
  int PasquaJ = 0;  // Julian Easter, March-date
  int PasquaG = 0;  // Gregorian Easter, March-date
  int GiornoPasquaJ = 0;
  int GiornoPasquaG = 0;
  int GiornoGrasso = 0;         // Easter - 47 (Shrove Tuesday), day of month
  int GiornoQuaresima = 0;      // Easter - 42
  int GiornoAngelo = 0;         // Easter + 1
  int GiornoAscensione = 0;     // Easter + 39
  int GiornoAscensioneDom = 0;  // Easter + 42
  int GiornoPentecoste = 0;     // Easter + 49
  int GiornoTrinita = 0;        // Easter + 56
  int GiornoCorpus = 0;         // Easter + 60
  int GiornoCorpusDom = 0;      // Easter + 63
  int GiornoCuore = 0;          // Easter + 68
};

// Easter of `anno` in both reckonings, by the classical computus steps (any
// year from 1 on; the Gregorian values are proleptic before 1583), and the
// days of the feasts that hang on the Gregorian Easter.
EasterDays feste(int anno);

// The caption of `santo` after the feast list is applied to the day
// (day/month/year) whose saint caption is `santo`: a matching feast replaces
// it, Palm Sunday and Shrove Tuesday marks are appended. Each feast applies
// only in the years it was kept; `easter` is feste(year).
std::string Vfeste(std::string santo, int day, int month, int year, const EasterDays& easter);

}  // namespace giornaro::calendar
