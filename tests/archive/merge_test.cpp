#include "archive/merge.h"

#include <gtest/gtest.h>

#include "tests/events/printers.h"

#include "runtime/failure.h"
#include "tests/support/temp_folder.h"

namespace giornaro::archive {
namespace {

using namespace std::chrono;
using events::DayEntry;

TEST(DatiNew, TurnsRecordsOfTheDayIntoEntries) {
  struct Case {
    const char* why;
    std::string key;
    year_month_day today;
    std::vector<std::string> lines;
    std::vector<DayEntry> entries;
  } cases[] = {
      {"the category field keeps its blanks: NOZZE, six blanks, then \" (\"",
       "05/09",
       2026y / September / 5,
       {"05/09/1990*Nozze      *Festa"},
       {{"1990 - NOZZE       (36 ANNI AD OGGI)  (Mercoledì)", "Festa"}}},
      {"records of other days are left out; two identical records both come",
       "05/09",
       2026y / September / 5,
       {"04/09/1990*Nozze      *Ieri", "05/09/2001*Lutti      *Zio", "05/09/2001*Lutti      *Zio"},
       {{"2001 - LUTTI       (25 ANNI AD OGGI)  (Mercoledì)", "Zio"},
        {"2001 - LUTTI       (25 ANNI AD OGGI)  (Mercoledì)", "Zio"}}},
      {"an empty text gives an empty body",
       "05/09",
       2026y / September / 5,
       {"05/09/1990*Anniversari*"},
       {{"1990 - ANNIVERSARI (36 ANNI AD OGGI)  (Mercoledì)", ""}}},
      {"accented letters are upper-cased and counted as one character",
       "05/09",
       2026y / September / 5,
       {"05/09/1990*Città      *Perché"},
       {{"1990 - CITTÀ       (36 ANNI AD OGGI)  (Mercoledì)", "Perché"}}},
      {"a line with only a date is an entry with empty name and body",
       "05/09",
       2026y / September / 5,
       {"05/09/1990"},
       {{"1990 -  (36 ANNI AD OGGI)  (Mercoledì)", ""}}},
      {"\"*\" at position 22 is an ordinary record read at the fixed positions",
       "05/09",
       2026y / September / 5,
       {"05/09/1990*Invenzione*Lampadina", "05/09/2001*Lutti      *Zio"},
       {{"1990 - INVENZIONE* (36 ANNI AD OGGI)  (Mercoledì)", "ampadina"},
        {"2001 - LUTTI       (25 ANNI AD OGGI)  (Mercoledì)", "Zio"}}},
      {"29/02 of a leap year merges on 29 February",
       "29/02",
       2024y / February / 29,
       {"29/02/2000*Nozze      *Bisestile"},
       {{"2000 - NOZZE       (24 ANNI AD OGGI)  (Martedì)", "Bisestile"}}},
      {"dates of the day that are no date are skipped, the run goes on",
       "29/02",
       2024y / February / 29,
       {"29/02", "29/02/1900*Nozze      *Mai", "29/02/19x0*Nozze      *Strano", "",
        "29/02/2000*Nozze      *Vero"},
       {{"2000 - NOZZE       (24 ANNI AD OGGI)  (Martedì)", "Vero"}}},
      {"short, empty and foreign lines of other days are ignored",
       "05/09",
       2026y / September / 5,
       {"", "0", "ciao", "Perché no"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::vector<DayEntry> entries;
    DatiNew(c.lines, c.key, c.today, entries);
    EXPECT_EQ(entries, c.entries);
  }
}

TEST(DatiNew, AppendsAfterTheFactsAndFailsOnAMissingFile) {
  giornaro::test_support::TempFolder folder;
  std::vector<DayEntry> entries{{"1900 - SPORT (126 ANNI AD OGGI)  (Mercoledì)", "Gara"}};
  folder.write("NewData.txt", "05/09/1990*Nozze      *Festa di Perch\xe8\r\n");
  DatiNew(folder / "NewData.txt", "05/09", 2026y / September / 5, entries);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].body, "Festa di Perchè");

  try {
    DatiNew(folder / "manca" / "NewData.txt", "05/09", 2026y / September / 5, entries);
    FAIL() << "a missing archive must fail";
  } catch (const Failure& failure) {
    EXPECT_NE(std::string(failure.what()).find("NewData.txt"), std::string::npos);
  }
  EXPECT_EQ(entries.size(), 2u);
}

}  // namespace
}  // namespace giornaro::archive
