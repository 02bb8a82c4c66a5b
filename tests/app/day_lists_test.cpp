#include "app/day_lists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "events/event_store.h"
#include "events/ordering.h"
#include "runtime/failure.h"
#include "tests/events/printers.h"
#include "tests/support/temp_folder.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;
using events::DayEntry;
using events::kSeparator;
using events::StoreTable;
using events::write_store;
using test_support::TempFolder;

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

const StoreTable kFacts{"OGGI",
                        {"Data", "dato", "Tipo"},
                        {{"04/09/1990", "- Ieri", "*"},
                         {"05/09/1977", "- La NASA lancia la sonda Voyager 1.", "AS"},
                         {"05/09/1972", "- Olimpiadi di Monaco:", "*"},
                         {"05/09/1972", "* ostaggi.", ""}}};
const StoreTable kBirths{"NATI",
                         {"Data", "nome", "noto", "cosa"},
                         {{"05/09/1946", "Freddie Mercury", "cantante dei Queen", ""},
                          {"06/09/1946", "Altro", "giorno", ""}}};

std::vector<std::string> texts(const ListRows& rows) {
  std::vector<std::string> out;
  for (const auto& row : rows) out.push_back(row.text);
  return out;
}

TEST(ApriDB, MergesStoreAndArchiveSortedWithBirths) {
  TempFolder folder;
  write_store(folder / "lune.dat", {kFacts, kBirths});
  folder.write("NewData.txt",
               "05/09/1990*Nozze      *Festa\r\n"
               "05/09/1975*Lutti      *Addio a Perch\xe8\r\n"
               "06/09/1990*Nozze      *Altro giorno\r\n");
  DayLists lists;
  ApriDB("05/09", 2026y / September / 5, folder.path(), folder / "lune.dat", lists);

  const std::string& S = kSeparator;
  EXPECT_EQ(
      texts(lists.List1),
      (std::vector<std::string>{
          "1972 - AVVENIMENTI (54 ANNI AD OGGI)  (Martedì)", "Olimpiadi di Monaco: ostaggi.", S,
          "1975 - LUTTI       (51 ANNI AD OGGI)  (Venerdì)", "Addio a Perchè", S,
          "1977 - ASTRONOMIA (49 ANNI AD OGGI)  (Lunedì)", "La NASA lancia la sonda Voyager 1.", S,
          "1990 - NOZZE       (36 ANNI AD OGGI)  (Mercoledì)", "Festa", S}));
  EXPECT_TRUE(lists.List1[0].selected);
  EXPECT_FALSE(lists.List1[1].selected);
  EXPECT_EQ(texts(lists.List2),
            (std::vector<std::string>{"1946 - Freddie Mercury (Giovedì) ANNI: 80",
                                      "Cantante dei Queen", S}));
}

TEST(ApriDB, AnArchiveThatCannotBeReadCostsOnlyItsEntries) {
  TempFolder folder;
  write_store(folder / "lune.dat", {kFacts, kBirths});
  std::filesystem::create_directory(folder / "NewData.txt");
  DayLists lists;
  ApriDB("05/09", 2026y / September / 5, folder.path(), folder / "lune.dat", lists);
  EXPECT_EQ(lists.List1.size(), 6u);  // both facts of the store
  EXPECT_EQ(lists.List2.size(), 3u);
  EXPECT_EQ(lists.archive_problem, "Impossibile leggere NewData.txt: è una cartella, non un file.");
}

TEST(ApriDB, StoreFailuresKeepWhatWasAppended) {
  struct Case {
    const char* why;
    bool store;
    bool archive;
    std::vector<std::vector<std::string>> births;
    std::string names;
    std::size_t List2_rows;
  } cases[] = {
      {"no store", false, true, {}, "lune.dat", 0},
      {"an empty noto ends the births pass: List1 is not rendered",
       true,
       true,
       {{"05/09/1946", "Freddie Mercury", "cantante", ""}, {"05/09/1950", "X", "", ""}},
       "noto",
       4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    StoreTable births = kBirths;
    if (!c.births.empty()) births.rows = c.births;
    if (c.store) write_store(folder / "lune.dat", {kFacts, births});
    if (c.archive) folder.write("NewData.txt", "05/09/1990*Nozze      *Festa\r\n");
    DayLists lists;
    try {
      ApriDB("05/09", 2026y / September / 5, folder.path(), folder / "lune.dat", lists);
      ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
      EXPECT_NE(std::string(failure.what()).find(c.names), std::string::npos) << failure.what();
    }
    EXPECT_TRUE(lists.List1.empty());
    EXPECT_EQ(lists.List2.size(), c.List2_rows);
  }
}

TEST(ApriDB, ADayWithNothingLeavesBothListsEmpty) {
  TempFolder folder;
  write_store(folder / "lune.dat", {kFacts, kBirths});
  folder.write("NewData.txt", "");
  DayLists lists;
  ApriDB("01/01", 2026y / January / 1, folder.path(), folder / "lune.dat", lists);
  EXPECT_TRUE(lists.List1.empty());
  EXPECT_TRUE(lists.List2.empty());
}

}  // namespace
}  // namespace giornaro::app
