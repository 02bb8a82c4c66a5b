// Whole day sheets of the real program under a faked clock: every key of
// --json and every line of --text, for days whose answer is known outside the
// program:
//   - sunrise and sunset of BOLZANO and RAGUSA (the far north and south of the
//     place table) on the solstices, as the NOAA solar calculator gives them
//     with the same 50' allowance for refraction and the sun's radius, in
//     Universal Time + 1 (the other rows keep the program's own times);
//   - full moons (25 January 2024, 10 July 2025) and new moons of the
//     published tables; the "Luna Blu" of 20 August 2024, the day after the
//     full moon of 19 August;
//   - the moon's age on the 10th of every month of 2025 (one row per month
//     correction), within a day of the time since the published new moon;
//   - Easter 2024 and 2025, Pentecost 2025, the Immaculate Conception.
// And the exit statuses: 0 for a sheet, 2 for a bad option, 3 for a sheet
// shown with errors.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/temp_folder.h"

namespace {

using giornaro::test_support::TempFolder;

const std::string kData = GIORNARO_TEST_DATA;

using giornaro::test_support::ProgramRun;

// Runs giornaro in `folder` on `date` (YYYY-MM-DD) with `option`.
ProgramRun run_giornaro(const TempFolder& folder, const std::string& date,
                        const std::string& option) {
  return giornaro::test_support::run_program(
      "faketime '" + date + " 12:00:00' '" GIORNARO_EXE "' " + option, folder.path());
}

class WholeSheet : public ::testing::Test {
 protected:
  // One small store for every sheet: the test facts and births of 08/12.
  static void SetUpTestSuite() {
    store_folder_ = new TempFolder;
    const std::string command =
        "cd '" + store_folder_->path().string() + "' && '" GIORNARO_STORE_EXE "' build '" + kData +
        "/events_OGGI.tsv' '" + kData + "/events_NATI.tsv' lune.dat >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  static void TearDownTestSuite() {
    delete store_folder_;
    store_folder_ = nullptr;
  }

  // A folder with the store and luogo.txt naming `place`.
  static void prepare(const TempFolder& folder, const std::string& place) {
    folder.write("lune.dat", store_folder_->read("lune.dat"));
    folder.write("luogo.txt", place + "\r\n");
  }

  static TempFolder* store_folder_;
};

TempFolder* WholeSheet::store_folder_ = nullptr;

struct SheetCase {
  const char* date;
  const char* giorno;
  const char* meseT;
  const char* settimana;
  const char* santo;
  const char* zona;
  const char* sorge;
  const char* tramonta;
  const char* statoT;
  const char* eta;
  int LunaIMG;
  const char* CANNO;
  const char* why;
};

// clang-format off
const SheetCase kSheets[] = {
    {"2025-06-21", "21", "GIUGNO",    "Sabato",    "S.Luigi Gonzaga",       "BOLZANO", "04:22", "20:11", "Calante",    "25 giorni", 109, "21/06", "far north, longest day"},
    {"2025-06-21", "21", "GIUGNO",    "Sabato",    "S.Luigi Gonzaga",       "RAGUSA",  "04:42", "19:24", "Calante",    "25 giorni", 109, "21/06", "far south, longest day"},
    {"2025-12-21", "21", "DICEMBRE",  "Domenica",  "S.Pietro Canisio",      "RAGUSA",  "07:10", "16:48", "Crescente",  "2 giorni",  111, "21/12", "far south, shortest day"},
    {"2024-01-25", "25", "GENNAIO",   "Giovedì",   "Conversione S.Paolo",   "ROMA",    "07:30", "17:15", "Plenilunio", "14 giorni", 101, "25/01", "full moon"},
    {"2024-08-20", "20", "AGOSTO",    "Martedì",   "S.Bernardo",            "ROMA",    "05:24", "19:02", "Luna Blu",   "15 giorni", 101, "20/08", "the day after the full moon, nothing lit: Luna Blu"},
    {"2025-04-20", "20", "APRILE",    "Domenica",  "Pasqua",                "BOLZANO", "05:19", "19:10", "Calante",    "22 giorni", 106, "20/04", "Easter 2025"},
    {"2024-03-31", "31", "MARZO",     "Domenica",  "Pasqua",                "RAGUSA",  "05:49", "18:24", "Calante",    "21 giorni", 105, "31/03", "Easter 2024"},
    {"2025-06-08", "8",  "GIUGNO",    "Domenica",  "Pentecoste",            "ROMA",    "04:35", "19:43", "Crescente",  "12 giorni", 119, "08/06", "Pentecost, Easter + 49"},
    {"2025-12-08", "8",  "DICEMBRE",  "Lunedì",    "Immacolata Concezione", "ROMA",    "07:25", "16:39", "Calante",    "18 giorni", 101, "08/12", "fixed feast"},
    {"2025-01-10", "10", "GENNAIO",   "Venerdì",   "S.Aldo",                "ROMA",    "07:37", "16:58", "Crescente",  "10 giorni", 116, "10/01", "age in January"},
    {"2025-02-10", "10", "FEBRAIO",   "Lunedì",    "S.Scolastica",          "ROMA",    "07:13", "17:37", "Crescente",  "11 giorni", 117, "10/02", "age in February"},
    {"2025-03-10", "10", "MARZO",     "Lunedì",    "S.Provino",             "ROMA",    "06:31", "18:12", "Crescente",  "11 giorni", 117, "10/03", "age in March, leap flag of December 2024"},
    {"2025-04-10", "10", "APRILE",    "Giovedì",   "S.Terenzio",            "ROMA",    "05:38", "18:47", "Crescente",  "12 giorni", 119, "10/04", "age in April"},
    {"2025-05-10", "10", "MAGGIO",    "Sabato",    "S.Antonino",            "ROMA",    "04:55", "19:19", "Crescente",  "13 giorni", 119, "10/05", "age in May"},
    {"2025-06-10", "10", "GIUGNO",    "Martedì",   "S.Massimo",             "ROMA",    "04:34", "19:45", "Crescente",  "14 giorni", 120, "10/06", "age in June"},
    {"2025-07-10", "10", "LUGLIO",    "Giovedì",   "S.Ulderico",            "ROMA",    "04:44", "19:46", "Plenilunio", "15 giorni", 101, "10/07", "age in July, full moon"},
    {"2025-08-10", "10", "AGOSTO",    "Domenica",  "S.Lorenzo",             "ROMA",    "05:13", "19:17", "Calante",    "16 giorni", 102, "10/08", "age in August"},
    {"2025-09-10", "10", "SETTEMBRE", "Mercoledì", "S.Pulcheria",           "ROMA",    "05:45", "18:28", "Calante",    "18 giorni", 103, "10/09", "age in September"},
    {"2025-10-10", "10", "OTTOBRE",   "Venerdì",   "S.Daniele",             "ROMA",    "06:17", "17:36", "Calante",    "18 giorni", 103, "10/10", "age in October"},
    {"2025-11-10", "10", "NOVEMBRE",  "Lunedì",    "S.Leone Magno",         "ROMA",    "06:54", "16:54", "Calante",    "20 giorni", 104, "10/11", "age in November"},
    {"2025-12-10", "10", "DICEMBRE",  "Mercoledì", "B.V.di Loreto",         "ROMA",    "07:27", "16:39", "Calante",    "20 giorni", 103, "10/12", "age in December"},
};
// clang-format on

TEST_F(WholeSheet, EveryKeyOfTheJson) {
  for (const SheetCase& c : kSheets) {
    SCOPED_TRACE(std::string(c.date) + " " + c.zona + ": " + c.why);
    TempFolder folder;
    prepare(folder, c.zona);
    const ProgramRun run = run_giornaro(folder, c.date, "--json");
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::ordered_json sheet = nlohmann::ordered_json::parse(run.out);

    std::vector<std::string> keys;
    for (const auto& item : sheet.items()) keys.push_back(item.key());
    const std::vector<std::string> expected_keys{
        "giorno", "meseT",   "settimana", "santo",  "zona",  "sorge", "tramonta", "statoT",
        "età",    "LunaIMG", "CANNO",     "luogo2", "List1", "List2", "errors"};
    ASSERT_EQ(keys, expected_keys);

    EXPECT_EQ(sheet["giorno"], c.giorno);
    EXPECT_EQ(sheet["meseT"], c.meseT);
    EXPECT_EQ(sheet["settimana"], c.settimana);
    EXPECT_EQ(sheet["santo"], c.santo);
    EXPECT_EQ(sheet["zona"], c.zona);
    EXPECT_EQ(sheet["sorge"], c.sorge);
    EXPECT_EQ(sheet["tramonta"], c.tramonta);
    EXPECT_EQ(sheet["statoT"], c.statoT);
    EXPECT_EQ(sheet["età"], c.eta);
    EXPECT_EQ(sheet["LunaIMG"], c.LunaIMG);
    EXPECT_EQ(sheet["CANNO"], c.CANNO);
    // The place list: all 108 towns, the chosen one among them.
    EXPECT_EQ(sheet["luogo2"].size(), 108u);
    bool listed = false;
    for (const auto& row : sheet["luogo2"]) listed = listed || row["text"] == c.zona;
    EXPECT_TRUE(listed);
    // The test store has facts and births of 08/12 only.
    const bool lists = std::string(c.CANNO) == "08/12";
    EXPECT_EQ(sheet["List1"].size(), lists ? 13u : 0u);
    EXPECT_EQ(sheet["List2"].size(), lists ? 8u : 0u);
    EXPECT_EQ(sheet["errors"], nlohmann::ordered_json::array());
    EXPECT_EQ(run.err, "");
  }
}

TEST_F(WholeSheet, EveryLineOfTheText) {
  TempFolder folder;
  prepare(folder, "BOLZANO");
  const ProgramRun run = run_giornaro(folder, "2025-06-21", "--text");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "GIORNARO\n"
            "\n"
            "GIUGNO\n"
            "21\n"
            "Sabato\n"
            "\n"
            "Il Santo\n"
            "  S.Luigi Gonzaga\n"
            "\n"
            "Il Sole a: BOLZANO\n"
            "  Sorge:    04:22\n"
            "  Tramonta: 20:11\n"
            "\n"
            "La Luna 🌘\n"
            "  Stato: Calante\n"
            "  Età:   25 giorni\n"
            "\n"
            " I Fatti del Giorno\n"
            "  (nessuna voce)\n"
            "\n"
            " I Nati Oggi\n"
            "  (nessuna voce)\n");
}

TEST_F(WholeSheet, ExitStatuses) {
  TempFolder folder;
  prepare(folder, "ROMA");
  EXPECT_EQ(run_giornaro(folder, "2025-06-21", "--json").status, 0);
  EXPECT_EQ(run_giornaro(folder, "2025-06-21", "--help").status, 0);

  const ProgramRun bad_option = run_giornaro(folder, "2025-06-21", "--domani");
  EXPECT_EQ(bad_option.status, 2);
  EXPECT_EQ(bad_option.out, "");
  EXPECT_NE(bad_option.err.find("--domani"), std::string::npos) << bad_option.err;
  EXPECT_EQ(run_giornaro(folder, "2025-06-21", "--json --text").status, 2);

  // With a store that cannot be read the sheet is still shown, with the
  // error, and the status says so.
  folder.write("lune.dat", "");
  const ProgramRun no_store = run_giornaro(folder, "2025-06-21", "--json");
  EXPECT_EQ(no_store.status, 3);
  const nlohmann::json sheet = nlohmann::json::parse(no_store.out);
  EXPECT_EQ(sheet["sorge"], "04:35");
  ASSERT_EQ(sheet["errors"].size(), 1u);
  EXPECT_NE(no_store.err.find("lune.dat"), std::string::npos) << no_store.err;
  EXPECT_EQ(run_giornaro(folder, "2025-06-21", "--text").status, 3);
}

}  // namespace
