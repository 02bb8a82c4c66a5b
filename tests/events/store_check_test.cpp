#include "events/store_check.h"

#include <gtest/gtest.h>

namespace giornaro::events {
namespace {

constexpr std::string_view kFactsHeader = "Data\tdato\tTipo\n";
constexpr std::string_view kBirthsHeader = "Data\tnome\tnoto\tcosa\n";

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

// One rule broken per row: each must be reported at its line.
TEST(CheckContent, ReportsEveryRuleBrokenAtItsLine) {
  const std::string long_text(221, 'x');
  const TsvCheck facts = check_tsv(
      std::string(kFactsHeader) +
          "01/01/1900\t- Un fatto abbastanza lungo da stare nei limiti, il primo.\t*\n"
          "01/01/1900\t- Un altro fatto dello stesso anno e della stessa categoria.\t*\n"
          "01/01/1800\t- Un fatto di un anno minore dopo uno maggiore, fuori ordine.\tSP\n"
          "01/01/1950\t- Corto.\tMU\n"
          "01/01/1960\t- " +
          long_text +
          "\tCI\n"
          "01/01/1970\tUn fatto senza il trattino iniziale, che perde due lettere.\tLT\n"
          "01/01/1980\t- Un fatto con una categoria che il programma non conosce.\tXX\n"
          "01/01/1990\t- Un fatto con un asterisco * che lo tronca nell'elenco.\tIN\n"
          "02/01/1990\t- Un fatto abbastanza lungo da stare nei limiti, il primo.\t*\n",
      "OGGI", "fatti.tsv");
  const TsvCheck births = check_tsv(std::string(kBirthsHeader) +
                                        "01/01/1900\tMaria Rossi\tpittrice\t\n"
                                        "01/01/1800\tLuca Bianchi\tpoeta\t\n"
                                        "02/01/1900\tMaria Rossi\tpittrice\t\n"
                                        "02/01/1901\tAnna Verdi\tattrice\t" +
                                        std::string(76, 'c') + "\n",
                                    "NATI", "nati.tsv");
  const ContentReport report = check_content(facts, births);
  const std::string problems = joined(report.problems);
  for (const char* expected : {
           "fatti.tsv, riga 3: stesso giorno, anno e categoria di fatti.tsv, riga 2",
           "fatti.tsv, riga 4: i fatti del 01/01 non sono in ordine di anno (1800 dopo 1900)",
           "fatti.tsv, riga 5: il testo del fatto è di 6 caratteri",
           "fatti.tsv, riga 6: il testo del fatto è di 221 caratteri",
           "fatti.tsv, riga 7: il fatto non comincia con \"- \"",
           "fatti.tsv, riga 8: codice di categoria sconosciuto \"XX\"",
           "fatti.tsv, riga 9: un \"*\" nel testo",
           "fatti.tsv, riga 10: fatto ripetuto (fatti.tsv, riga 2)",
           "nati.tsv, riga 3: i nati del 01/01 non sono in ordine di anno",
           "nati.tsv, riga 4: Maria Rossi compare già in nati.tsv, riga 2 (01/01/1900)",
           "nati.tsv, riga 5: cosa è di 76 caratteri",
           "Giorni con pochi fatti di gennaio sotto il minimo di 6: 2 (1) 3 (0)",
           "Giorni con pochi nati di febbraio sotto il minimo di 5: 1 (0)",
       }) {
    EXPECT_NE(problems.find(expected), std::string::npos) << expected << "\nin:\n" << problems;
  }
  EXPECT_EQ(report.summary.front(), "gennaio: fatti 9 (0-8 al giorno), nati 4 (0-2 al giorno)");
}

}  // namespace
}  // namespace giornaro::events
