#include "events/store_builder.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace giornaro::events {
namespace {

using test_support::TempFolder;

constexpr std::string_view kFactsHeader = "Data\tdato\tTipo\n";
constexpr std::string_view kBirthsHeader = "Data\tnome\tnoto\tcosa\n";

TEST(CheckTsv, RefusesWithFileLineAndReason) {
  struct Case {
    const char* why;
    std::string_view table;
    std::string content;
    std::string error;  // the one expected refusal
  } cases[] = {
      {"no header", "OGGI", "", "OGGI.tsv, riga 1: manca la riga di intestazione"},
      {"missing column", "OGGI", "Data\tdato\n", "OGGI.tsv, riga 1: manca la colonna Tipo"},
      {"unknown column", "NATI", "Data\tnome\tnoto\tcosa\tnota\n",
       "NATI.tsv, riga 1: colonna sconosciuta \"nota\""},
      {"column twice", "OGGI", "Data\tdato\tTipo\tdato\n",
       "OGGI.tsv, riga 1: la colonna dato compare due volte"},
      {"too few fields", "OGGI", std::string(kFactsHeader) + "01/01/1801\t- Cerere\n",
       "OGGI.tsv, riga 2: 2 campi invece di 3"},
      {"too many fields", "OGGI", std::string(kFactsHeader) + "01/01/1801\t- Cerere\tAS\tx\n",
       "OGGI.tsv, riga 2: 4 campi invece di 3"},
      {"an empty line in the middle", "OGGI",
       std::string(kFactsHeader) + "\n01/01/1801\t- Cerere\tAS\n",
       "OGGI.tsv, riga 2: 1 campi invece di 3"},
      {"one-digit day", "OGGI", std::string(kFactsHeader) + "1/01/1801\t- Cerere\tAS\n",
       "OGGI.tsv, riga 2: la data \"1/01/1801\" non è nella forma GG/MM/AAAA"},
      {"no year", "OGGI", std::string(kFactsHeader) + "01/01\t- Cerere\tAS\n",
       "non è nella forma GG/MM/AAAA"},
      {"a blank in the date", "OGGI", std::string(kFactsHeader) + "01/01/1801 \t- Cerere\tAS\n",
       "non è nella forma GG/MM/AAAA"},
      {"empty Data", "NATI", std::string(kBirthsHeader) + "\tX\tnoto\t\n",
       "NATI.tsv, riga 2: la data \"\" non è nella forma GG/MM/AAAA"},
      {"no such day", "NATI", std::string(kBirthsHeader) + "29/02/1900\tX\tnoto\t\n",
       "NATI.tsv, riga 2: la data \"29/02/1900\" non esiste"},
      {"empty dato", "OGGI", std::string(kFactsHeader) + "01/01/1801\t\tAS\n",
       "OGGI.tsv, riga 2: il campo dato è vuoto"},
      {"empty noto", "NATI", std::string(kBirthsHeader) + "01/01/1919\tSalinger\t\t\n",
       "NATI.tsv, riga 2: il campo noto è vuoto"},
      {"not UTF-8", "NATI", std::string(kBirthsHeader) + "01/01/1919\tPerch\xe8\tnoto\t\n",
       "NATI.tsv, riga 2: il testo non è UTF-8 valido"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const TsvCheck check = check_tsv(c.content, c.table, std::string(c.table) + ".tsv");
    ASSERT_EQ(check.errors.size(), 1u);
    EXPECT_NE(check.errors[0].find(c.error), std::string::npos) << check.errors[0];
  }
}

TEST(CheckTsv, WarnsWhereTheOrderIsOff) {
  struct Case {
    const char* why;
    std::string rows;
    std::vector<std::string> warnings;
  } cases[] = {
      {"ascending years, continuations after their fact: no warning",
       "08/12/1854\t- b\t*\n08/12/1854\t* c\t\n08/12/800\t- a\t*\n09/12/1700\t- d\t*\n",
       {}},
      {"years compare as text, as the facts pass compares them",
       "25/12/800\t- a\t*\n25/12/1066\t- b\t*\n",
       {"OGGI.tsv, riga 3: i fatti del 25/12 non sono in ordine di anno crescente (1066 dopo "
        "800)."}},
      {"a lower year after a higher one of the same day",
       "08/12/1900\t- a\t*\n09/12/1800\t- b\t*\n08/12/1850\t- c\t*\n",
       {"OGGI.tsv, riga 4: i fatti del 08/12 non sono in ordine di anno crescente (1850 dopo "
        "1900)."}},
      {"a continuation first of all",
       "08/12/1900\t* a\t\n",
       {"OGGI.tsv, riga 2: la continuazione \"*\" non segue un fatto del 08/12/1900."}},
      {"a continuation after a fact of another date",
       "08/12/1900\t- a\t*\n08/12/1901\t* b\t\n",
       {"OGGI.tsv, riga 3: la continuazione \"*\" non segue un fatto del 08/12/1901."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const TsvCheck check = check_tsv(std::string(kFactsHeader) + c.rows, "OGGI", "OGGI.tsv");
    EXPECT_TRUE(check.errors.empty());
    EXPECT_EQ(check.warnings, c.warnings);
  }
}

TEST(CheckTsv, KeepsFieldsExactlyAsWritten) {
  const TsvCheck check = check_tsv(
      "\xEF\xBB\xBF"
      "Tipo\tData\tdato\r\n"
      "\t01/01/1801\t-  Cerere, scoperta \r\n",
      "OGGI", "OGGI.tsv");
  ASSERT_TRUE(check.errors.empty());
  EXPECT_EQ(check.table.columns, (std::vector<std::string>{"Tipo", "Data", "dato"}));
  EXPECT_EQ(check.table.rows,
            (std::vector<std::vector<std::string>>{{"", "01/01/1801", "-  Cerere, scoperta "}}));
}

TEST(BuildStore, BuildThenDumpGivesTheSameBytes) {
  TempFolder folder;
  const std::string facts =
      "Tipo\tdato\tData\n"
      "AS\t- A Palermo Giuseppe Piazzi scopre Cerere.\t01/01/1801\n"
      "*\t- Nasce l'euro  \t01/01/1999\n"
      "\t* (per ora come moneta di conto).\t01/01/1999\n";
  const std::string births =
      "Data\tnome\tnoto\tcosa\n"
      "08/12/1861\tGeorges Méliès\tregista\tAutore di Viaggio nella Luna.\n"
      "08/12/1943\tJim Morrison\tcantante dei Doors\t\n";
  const auto report = build_store(folder.write("OGGI.tsv", facts), folder.write("NATI.tsv", births),
                                  folder / "lune.dat");
  ASSERT_TRUE(report.built);
  EXPECT_TRUE(report.errors.empty());
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(dump_table(folder / "lune.dat", "OGGI"), facts);
  EXPECT_EQ(dump_table(folder / "lune.dat", "NATI"), births);
}

TEST(BuildStore, ARefusedBuildWritesNothing) {
  TempFolder folder;
  const auto facts = folder.write("OGGI.tsv", std::string(kFactsHeader) + "01/01/1801\t- a\tAS\n");
  const auto good = folder.write("NATI.tsv", std::string(kBirthsHeader) + "01/01/1919\tX\tn\t\n");
  const auto bad = folder.write("NATI2.tsv", std::string(kBirthsHeader) + "01/01/1919\tX\t\t\n");
  ASSERT_TRUE(build_store(facts, good, folder / "lune.dat").built);
  const std::string before = folder.read("lune.dat");

  const auto refused = build_store(facts, bad, folder / "lune.dat");
  EXPECT_FALSE(refused.built);
  ASSERT_EQ(refused.errors.size(), 1u);
  EXPECT_EQ(folder.read("lune.dat"), before);

  const auto missing = build_store(folder / "nessuno.tsv", good, folder / "altro.dat");
  EXPECT_FALSE(missing.built);
  EXPECT_NE(missing.errors.at(0).find("nessuno.tsv"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "altro.dat"));
}

}  // namespace
}  // namespace giornaro::events
