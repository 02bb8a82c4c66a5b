// The facts and births of a day from start to end: giornaro-store builds a
// store from TSV files, the archive is a code-page file with CR LF, and
// giornaro --json, run on a fixed date under faketime, shows both lists.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/program_run.h"
#include "tests/support/temp_folder.h"

namespace {

using giornaro::test_support::TempFolder;

const std::string kData = GIORNARO_TEST_DATA;

struct CommandResult {
  int status;
  std::string output;  // standard output, then standard error
  std::string out;     // standard output alone
};

CommandResult run(const std::string& command, const TempFolder& folder) {
  const auto run = giornaro::test_support::run_program(command, folder.path());
  return {run.status, run.out + run.err, run.out};
}

std::string store_tool() {
  return std::string("'") + GIORNARO_STORE_EXE + "'";
}

struct Row {
  std::string text;
  bool selected;
  friend bool operator==(const Row&, const Row&) = default;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << (row.selected ? "[x] " : "[ ] ") << row.text;
}

std::vector<Row> rows(const nlohmann::json& list) {
  std::vector<Row> out;
  for (const auto& row : list) out.push_back({row.at("text"), row.at("selected")});
  return out;
}

TEST(EventsEndToEnd, DayListsFromStoreAndArchive) {
  TempFolder folder;
  const CommandResult build = run(store_tool() + " build '" + kData + "/events_OGGI.tsv' '" +
                                      kData + "/events_NATI.tsv' lune.dat",
                                  folder);
  ASSERT_EQ(build.status, 0) << build.output;
  EXPECT_NE(build.output.find("avviso: events_OGGI.tsv, riga 4: i fatti del 08/12 non sono in "
                              "ordine di anno crescente (1850 dopo 1900)."),
            std::string::npos)
      << build.output;

  folder.write("NewData.txt",
               "08/12/1990*Nozze      *Festa di nozze di Anna e Niccol\xf2\r\n"
               "08/12/1990*Nozze      *Festa di nozze di Anna e Niccol\xf2\r\n"
               "08/12/1990*Nozze      *Un'altra festa\r\n"
               "08/12\r\n"
               "09/12/1990*Lutti      *Un altro giorno\r\n");

  const CommandResult sheet =
      run("faketime '2025-12-08 12:00:00' '" GIORNARO_EXE "' --json", folder);
  nlohmann::json json;
  ASSERT_NO_THROW(json = nlohmann::json::parse(sheet.out)) << sheet.output;
  EXPECT_EQ(json.at("CANNO"), "08/12");

  const std::string S(106, '-');
  const std::string nozze = "1990 - NOZZE       (35 ANNI AD OGGI)  (Sabato)";
  const std::vector<Row> List1{
      {"1850 - SPORT (175 ANNI AD OGGI)  (Domenica)", true},
      {"Fatto del 1850, scritto dopo quello del 1900.", false},
      {S, false},
      {"1900 - SPORT (125 ANNI AD OGGI)  (Sabato)", true},
      {"Fatto del 1900.", false},
      {S, false},
      {"1980 - LUTTI (45 ANNI AD OGGI)  (Lunedì)", true},
      {"John Lennon viene ucciso a New York davanti al Dakota Building, dove", false},
      {" abitava da anni con Yoko Ono. Aveva quaranta  anni.", false},
      {S, false},
      {S, false},  // the first of two identical archive records
      {nozze, true},
      {"Festa di nozze di Anna e Niccolò", false},
      {S, false},
      {nozze, true},
      {"Un'altra festa", false},
      {S, false},
      {"476 - AVVENIMENTI (1549 ANNI AD OGGI)  (Mercoledì)", false},
      {"Un fatto con un anno di tre cifre.", false},
      {S, false},
  };
  EXPECT_EQ(rows(json.at("List1")), List1);

  const std::vector<Row> List2{
      {"1943 - Jim Morrison (Mercoledì) ANNI: 82", true},
      {"Cantante dei Doors", false},
      {S, false},
      {"1861 - Georges Méliès (Domenica) ANNI: 164", true},
      {"Regista", false},
      {"Illusionista e regista francese, autore di Viaggio nella Luna, film muto de", false},
      {"l 1902.", false},
      {S, false},
  };
  EXPECT_EQ(rows(json.at("List2")), List2);
}

TEST(EventsEndToEnd, StoreToolRoundTripsAndRefuses) {
  TempFolder folder;
  const std::string facts = kData + "/events_OGGI.tsv";
  const std::string births = kData + "/events_NATI.tsv";
  ASSERT_EQ(run(store_tool() + " build '" + facts + "' '" + births + "' lune.dat", folder).status,
            0);

  ASSERT_EQ(run(store_tool() + " dump lune.dat OGGI.tsv NATI.tsv", folder).status, 0);
  const auto original = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(folder.read("OGGI.tsv"), original(facts));
  EXPECT_EQ(folder.read("NATI.tsv"), original(births));
  const CommandResult dumped = run(store_tool() + " dump lune.dat NATI", folder);
  ASSERT_EQ(dumped.status, 0);
  EXPECT_EQ(dumped.out, original(births));

  const std::string before = folder.read("lune.dat");
  const CommandResult refused =
      run(store_tool() + " build '" + kData + "/events_OGGI_bad.tsv' '" + births + "' lune.dat",
          folder);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.output.find("errore: events_OGGI_bad.tsv, riga 3: la data \"8/12/1901\" non "
                                "è nella forma GG/MM/AAAA."),
            std::string::npos)
      << refused.output;
  EXPECT_NE(refused.output.find("errore: events_OGGI_bad.tsv, riga 4: il campo dato è vuoto."),
            std::string::npos)
      << refused.output;
  EXPECT_EQ(folder.read("lune.dat"), before);

  EXPECT_EQ(run(store_tool() + " dump lune.dat", folder).status, 2);
}

}  // namespace
