#include "app/day_sheet.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <functional>

#include "app/headless.h"
#include "place/place_table.h"
#include "runtime/failure.h"
#include "sky/sun.h"
#include "tests/support/store.h"
#include "tests/support/temp_folder.h"

namespace giornaro::app {
namespace {

using namespace std::chrono;
using test_support::file_bytes;
using test_support::put_bytes;
using test_support::TempFolder;

constexpr year_month_day kEaster2025 = 2025y / April / 20;
constexpr year_month_day kEasterMonday2026 = 2026y / April / 6;

TEST(DaySheet, NoPlaceFileGivesRomaAndCreatesOnlyTheArchive) {
  TempFolder folder;
  const DaySheet sheet = compute_day_sheet(kEaster2025, folder.path());
  EXPECT_EQ(sheet.zona, "ROMA");
  EXPECT_EQ(sheet.place_index, 68);
  EXPECT_EQ(sheet.luogo2.size(), 108u);
  EXPECT_FALSE(std::filesystem::exists(folder / "luogo.txt"));
  ASSERT_TRUE(std::filesystem::exists(folder / "NewData.txt"));
  EXPECT_EQ(file_bytes(folder / "NewData.txt"), "");
  EXPECT_EQ(sheet.place_file, folder / "luogo.txt");
}

TEST(DaySheet, SavedPlace) {
  struct Case {
    const char* file_bytes;
    const char* zona;
    int index;
    const char* why;
  } cases[] = {
      {"MILANO\r\n", "MILANO", 15, "a row of the table"},
      {"MILANO", "MILANO", 15, "no line end"},
      {"FORLI'\r\n", "FORLI'", 40, "its own row"},
      {"FORL\xCC\r\n", "FORLÌ", 39, "code-page letter"},
      {"milano\r\n", "ROMA", 68, "lower case is no row"},
      {"\r\n", "ROMA", 68, "empty line"},
      {"", "ROMA", 68, "empty file"},
      {"TOKYO\r\n", "ROMA", 68, "unknown town"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    test_support::put_store(folder);
    put_bytes(folder / "luogo.txt", c.file_bytes);
    const DaySheet sheet = compute_day_sheet(kEaster2025, folder.path());
    EXPECT_EQ(sheet.zona, c.zona);
    EXPECT_EQ(sheet.place_index, c.index);
    EXPECT_EQ(sheet.luogo2.size(), 108u) << "the list is filled once";
    // Start-up never rewrites the place file.
    EXPECT_EQ(file_bytes(folder / "luogo.txt"), c.file_bytes);
    EXPECT_EQ(sheet.santo, "Pasqua");
  }
}

TEST(DaySheet, ExistingArchiveIsLeftAlone) {
  TempFolder folder;
  put_bytes(folder / "NewData.txt", "05/09/1980*1*x\r\n");
  compute_day_sheet(kEaster2025, folder.path());
  EXPECT_EQ(file_bytes(folder / "NewData.txt"), "05/09/1980*1*x\r\n");
}

TEST(DaySheet, ABrokenArchiveCostsOnlyItsOwnEntries) {
  // Whatever is wrong with NewData.txt, the sheet keeps the saved place and
  // the store's facts and births, and tells the archive's problem once.
  struct Case {
    const char* why;
    std::function<void(const TempFolder&)> make;
    std::string error;  // empty: nothing to report
  } cases[] = {
      {"a folder",
       [](const TempFolder& f) { std::filesystem::create_directory(f / "NewData.txt"); },
       "Impossibile leggere NewData.txt: è una cartella, non un file."},
      {"a pipe", [](const TempFolder& f) { ::mkfifo((f / "NewData.txt").c_str(), 0644); },
       "Impossibile leggere NewData.txt: è una pipe (FIFO), non un file."},
      {"missing and impossible to create",
       [](const TempFolder& f) {
         std::filesystem::create_symlink(f / "no-such-folder" / "NewData.txt", f / "NewData.txt");
       },
       "Impossibile creare NewData.txt nella cartella "},
      {"read-only, with a record of the day: shown, nothing to report",
       [](const TempFolder& f) {
         f.write("NewData.txt", "20/04/2000*Nozze      *Festa\r\n");
         ::chmod((f / "NewData.txt").c_str(), 0444);
       },
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TempFolder folder;
    test_support::put_store(folder, "Data\tdato\tTipo\n20/04/1990\t- Un fatto\tSP\n",
                            "Data\tnome\tnoto\tcosa\n20/04/1950\tMario\tnoto\t\n");
    put_bytes(folder / "luogo.txt", "MILANO\r\n");
    c.make(folder);
    const DaySheet sheet = compute_day_sheet(kEaster2025, folder.path());
    EXPECT_EQ(sheet.zona, "MILANO");
    ASSERT_GE(sheet.List1.size(), 3u);
    EXPECT_EQ(sheet.List1[0].text, "1990 - SPORT (35 ANNI AD OGGI)  (Venerdì)");
    EXPECT_EQ(sheet.List2.size(), 3u);
    if (c.error.empty()) {
      EXPECT_EQ(sheet.errors, std::vector<std::string>{});
      EXPECT_EQ(sheet.List1.size(), 6u);
    } else {
      ASSERT_EQ(sheet.errors.size(), 1u);
      EXPECT_TRUE(sheet.errors.front().starts_with(c.error)) << sheet.errors.front();
      EXPECT_EQ(sheet.List1.size(), 3u);
    }
  }
}

TEST(DaySheet, ALeftoverTemporaryArchiveIsRemovedAtStart) {
  TempFolder folder;
  test_support::put_store(folder);
  put_bytes(folder / "NewData.txt", "05/09/1990*Nozze      *Anna\r\n");
  put_bytes(folder / "NewData.txt.tmp", "05/09/1990*Nozze      *An");
  compute_day_sheet(kEaster2025, folder.path());
  EXPECT_FALSE(std::filesystem::exists(folder / "NewData.txt.tmp"));
  EXPECT_EQ(file_bytes(folder / "NewData.txt"), "05/09/1990*Nozze      *Anna\r\n");
}

TEST(DaySheet, MissingFolderIsReportedAndTheSheetStillShows) {
  TempFolder folder;
  const DaySheet sheet = compute_day_sheet(kEaster2025, folder / "gone");
  EXPECT_FALSE(sheet.errors.empty());
  EXPECT_EQ(sheet.zona, "ROMA");
  EXPECT_EQ(sheet.meseT, "APRILE");
}

TEST(DaySheet, MissingStoreRestartsForRomaAndIsReportedOnce) {
  TempFolder folder;
  put_bytes(folder / "luogo.txt", "MILANO\r\n");
  const DaySheet sheet = compute_day_sheet(kEaster2025, folder.path());
  EXPECT_EQ(sheet.zona, "ROMA") << "any failure restarts the sheet for ROMA";
  ASSERT_EQ(sheet.errors.size(), 1u);
  EXPECT_NE(sheet.errors.front().find("lune.dat"), std::string::npos) << sheet.errors.front();
  EXPECT_FALSE(std::filesystem::exists(folder / "lune.dat")) << "opening never creates a store";
  EXPECT_EQ(sheet.santo, "Pasqua");
  EXPECT_FALSE(sheet.sorge.empty());
}

TEST(DaySheet, CaptionsOfTheDay) {
  struct Case {
    year_month_day date;
    const char* giorno;
    const char* meseT;
    const char* settimana;
    const char* santo;
    const char* CANNO;
  } cases[] = {
      {2025y / April / 20, "20", "APRILE", "Domenica", "Pasqua", "20/04"},
      {2023y / September / 5, "5", "SETTEMBRE", "Martedì", "S.Vittorino", "05/09"},
      {2025y / December / 28, "28", "DICEMBRE", "Domenica", "SS.Innocenti", "28/12"},
      {2024y / February / 24, "24", "FEBRAIO", "Sabato", "S.Costanza", "24/02"},
      {1968y / February / 25, "25", "FEBRAIO", "Domenica", "S.Mattia", "25/02"},
      {1967y / March / 19, "19", "MARZO", "Domenica", "S.Giuseppe", "19/03"},
      {2025y / March / 4, "4", "MARZO", "Martedì", "S.Casimiro - (Martedì Grasso)", "04/03"},
      {2026y / January / 1, "1", "GENNAIO", "Giovedì", "Capodanno", "01/01"},
      {2025y / July / 2, "2", "LUGLIO", "Mercoledì", "S.Ottone", "02/07"},
      {2025y / October / 10, "10", "OTTOBRE", "Venerdì", "S.Daniele", "10/10"},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.CANNO);
    const DaySheet sheet = compute_day_sheet(c.date, folder.path());
    EXPECT_EQ(sheet.giorno, c.giorno);
    EXPECT_EQ(sheet.meseT, c.meseT);
    EXPECT_EQ(sheet.settimana, c.settimana);
    EXPECT_EQ(sheet.santo, c.santo);
    EXPECT_EQ(sheet.CANNO, c.CANNO);
    EXPECT_EQ(sheet.today, c.date);
  }
}

// Everything the window shows except the place and its sun.
nlohmann::ordered_json without_place(const DaySheet& sheet) {
  auto json = sheet_to_json(sheet);
  json.erase("zona");
  json.erase("sorge");
  json.erase("tramonta");
  return json;
}

TEST(ConfirmPlace, WritesTheNameAndRecomputesOnlyTheSun) {
  struct Case {
    std::string picked;
    std::string file;  // bytes of luogo.txt afterwards
    int row;           // the row whose code the sun is computed for
  } cases[] = {
      {"MILANO", "MILANO\r\n", 15},
      {"FORLI'", "FORLI'\r\n", 40},   // the apostrophe is kept
      {"FORLÌ", "FORL\xCC\r\n", 39},  // Ì is one byte of the code page
      {"REGGIO NELL'EMILIA", "REGGIO NELL'EMILIA\r\n", 45},
      {"ROMA", "ROMA\r\n", 68},  // the current place, written again
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    TempFolder folder;
    test_support::put_store(folder);
    test_support::put_store(folder);
    DaySheet sheet = compute_day_sheet(kEasterMonday2026, folder.path());
    const auto before = without_place(sheet);
    const int place_index = sheet.place_index;

    confirm_place(sheet, c.picked);

    EXPECT_EQ(file_bytes(folder.path() / "luogo.txt"), c.file);
    EXPECT_EQ(sheet.zona, c.picked);
    const auto sun = sky::Sun(6, 4, 2026, place::places()[static_cast<std::size_t>(c.row)].code);
    EXPECT_EQ(sheet.sorge, sun.sorge);
    EXPECT_EQ(sheet.tramonta, sun.tramonta);
    EXPECT_EQ(without_place(sheet), before);
    EXPECT_EQ(sheet.place_index, place_index);

    // The next start opens on the confirmed place.
    EXPECT_EQ(compute_day_sheet(kEasterMonday2026, folder.path()).zona, c.picked);
  }
}

TEST(ConfirmPlace, NothingChangesWithoutAValidPick) {
  struct Case {
    const char* what;
    std::string picked;
    bool fails;
  } cases[] = {
      {"no pick yet", "", false},
      {"a name in lower case", "milano", true},
      {"a name of no row", "ATLANTIDE", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    test_support::put_store(folder);
    test_support::put_store(folder);
    put_bytes(folder.path() / "luogo.txt", "MILANO\r\n");
    DaySheet sheet = compute_day_sheet(kEasterMonday2026, folder.path());
    const auto before = sheet_to_json(sheet);
    if (c.fails) {
      EXPECT_THROW(confirm_place(sheet, c.picked), Failure);
    } else {
      EXPECT_NO_THROW(confirm_place(sheet, c.picked));
    }
    EXPECT_EQ(sheet_to_json(sheet), before);
    EXPECT_EQ(file_bytes(folder.path() / "luogo.txt"), "MILANO\r\n");
  }
}

TEST(ConfirmPlace, AFileThatCannotBeWrittenLeavesTheSheetAlone) {
  TempFolder folder;
  test_support::put_store(folder);
  DaySheet sheet = compute_day_sheet(kEasterMonday2026, folder.path());
  sheet.place_file = folder.path() / "missing-folder" / "luogo.txt";
  const auto before = sheet_to_json(sheet);
  EXPECT_THROW(confirm_place(sheet, "MILANO"), Failure);
  EXPECT_EQ(sheet_to_json(sheet), before);
}

TEST(RefreshDayLists, ReplacesTheListsWithAFreshReading) {
  TempFolder folder;
  test_support::put_store(folder);
  DaySheet sheet = compute_day_sheet(kEasterMonday2026, folder.path());
  const DaySheet fresh = sheet;
  sheet.List1 = {{"1900 - VECCHIO", true}, {"riga", false}};
  sheet.List2 = {{"1800 - NATO", true}};
  refresh_day_lists(sheet);
  EXPECT_EQ(sheet.List1, fresh.List1);
  EXPECT_EQ(sheet.List2, fresh.List2);
}

}  // namespace
}  // namespace giornaro::app
