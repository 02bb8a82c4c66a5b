// giornaro-store: builds the event store lune.dat from tab-separated files,
// checks their content, and prints a store back.
//
//   giornaro-store build FATTI NATI lune.dat        FATTI, NATI: a .tsv file or a folder of them
//   giornaro-store check FATTI NATI                 the curator's check before a commit
//   giornaro-store dump lune.dat OGGI|NATI          one table to standard output
//   giornaro-store dump lune.dat OGGI.tsv NATI.tsv  both tables to two files
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "events/event_store.h"
#include "events/store_builder.h"
#include "events/store_check.h"
#include "runtime/failure.h"

namespace {

constexpr std::string_view kUsage =
    "Uso:\n"
    "  giornaro-store build FATTI NATI lune.dat\n"
    "      costruisce lune.dat dai fatti e dai nati: un file .tsv o una cartella di file\n"
    "      .tsv letti in ordine di nome (UTF-8, separati da tabulazioni, con riga di\n"
    "      intestazione: Data, dato, Tipo / Data, nome, noto, cosa in qualsiasi ordine)\n"
    "  giornaro-store check FATTI NATI\n"
    "      controlla il contenuto prima di un commit: conteggi per giorno, ordine,\n"
    "      categorie, doppioni, lunghezze; esce con 1 se trova problemi\n"
    "  giornaro-store dump lune.dat OGGI|NATI\n"
    "      stampa una tabella nella stessa forma\n"
    "  giornaro-store dump lune.dat OGGI.tsv NATI.tsv\n"
    "      scrive le due tabelle nei due file\n";

int build(const char* facts, const char* births, const char* store) {
  const auto report = giornaro::events::build_store(facts, births, store);
  for (const auto& warning : report.warnings) std::cerr << "avviso: " << warning << "\n";
  for (const auto& error : report.errors) std::cerr << "errore: " << error << "\n";
  if (!report.built) {
    std::cerr << "giornaro-store: " << store << " non è stato scritto.\n";
    return 1;
  }
  return 0;
}

int check(const char* facts, const char* births) {
  using namespace giornaro::events;
  const TsvCheck fact_rows = read_tsv_input(facts, kFactsTable);
  const TsvCheck birth_rows = read_tsv_input(births, kBirthsTable);
  const ContentReport report = check_content(fact_rows, birth_rows);
  for (const auto& line : report.summary) std::cout << line << "\n";
  std::size_t problems = report.problems.size();
  for (const auto* rows : {&fact_rows, &birth_rows}) {
    for (const auto& error : rows->errors) std::cout << "errore: " << error << "\n";
    for (const auto& warning : rows->warnings) std::cout << "avviso: " << warning << "\n";
    problems += rows->errors.size() + rows->warnings.size();
  }
  for (const auto& problem : report.problems) std::cout << "problema: " << problem << "\n";
  std::cout << problems << " problemi.\n";
  return problems == 0 ? 0 : 1;
}

void write_file(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  out.flush();
  if (!out) throw giornaro::Failure("Impossibile scrivere " + path + ".");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view command = argc > 1 ? argv[1] : "";
  try {
    if (command == "build" && argc == 5) return build(argv[2], argv[3], argv[4]);
    if (command == "check" && argc == 4) return check(argv[2], argv[3]);
    if (command == "dump" && argc == 4) {
      std::cout << giornaro::events::dump_table(argv[2], argv[3]);
      return std::cout ? 0 : 1;
    }
    if (command == "dump" && argc == 5) {
      write_file(argv[3], giornaro::events::dump_table(argv[2], giornaro::events::kFactsTable));
      write_file(argv[4], giornaro::events::dump_table(argv[2], giornaro::events::kBirthsTable));
      return 0;
    }
  } catch (const std::exception& failure) {
    std::cerr << "giornaro-store: " << failure.what() << "\n";
    return 1;
  }
  std::cerr << kUsage;
  return 2;
}
