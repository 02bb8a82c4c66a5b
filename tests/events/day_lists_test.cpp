#include "events/day_lists.h"

#include <gtest/gtest.h>

#include "events/event_store.h"
#include "events/ordering.h"
#include "runtime/failure.h"
#include "tests/support/temp_folder.h"

namespace giornaro::events {
namespace {

using namespace std::chrono;
using test_support::TempFolder;

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
  ApriDB("05/09", 2026y / September / 5, folder.path(), lists);

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

TEST(ApriDB, FailuresKeepWhatWasAppended) {
  struct Case {
    const char* why;
    bool store;
    bool archive;
    std::vector<std::vector<std::string>> births;
    std::string names;
    std::size_t List2_rows;
  } cases[] = {
      {"no store", false, true, {}, "lune.dat", 0},
      {"no archive: the facts are not rendered", true, false, {}, "NewData.txt", 0},
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
      ApriDB("05/09", 2026y / September / 5, folder.path(), lists);
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
  ApriDB("01/01", 2026y / January / 1, folder.path(), lists);
  EXPECT_TRUE(lists.List1.empty());
  EXPECT_TRUE(lists.List2.empty());
}

}  // namespace
}  // namespace giornaro::events
