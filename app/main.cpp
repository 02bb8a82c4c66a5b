// giornaro: the desk almanac. With a display it opens the day sheet window;
// without one, or with --text or --json, it prints the sheet.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "app/day_sheet.h"
#include "app/headless.h"
#include "runtime/clock.h"

namespace {

constexpr std::string_view kUsage =
    "Uso: giornaro [--text | --json | --help]\n"
    "  senza opzioni  apre il foglio del giorno (in un terminale senza schermo grafico lo stampa)\n"
    "  --text         stampa il foglio del giorno come testo\n"
    "  --json         stampa il foglio del giorno come oggetto JSON\n"
    "  --help         mostra questo aiuto\n"
    "I file luogo.txt, NewData.txt e lune.dat sono letti dalla cartella corrente.\n";

bool has_display() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 && *x11) || (wayland && *wayland);
}

int print_sheet(const giornaro::app::DaySheet& sheet, bool json) {
  if (json) {
    std::cout << giornaro::app::sheet_to_json(sheet).dump(2) << "\n";
  } else {
    std::cout << giornaro::app::sheet_to_text(sheet, isatty(STDOUT_FILENO) != 0);
  }
  for (const auto& error : sheet.errors) std::cerr << "giornaro: " << error << "\n";
  return sheet.errors.empty() ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
  enum class Mode { Window, Text, Json } mode = Mode::Window;
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (argc == 2) {
    const std::string_view arg = argv[1];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--text") {
      mode = Mode::Text;
    } else if (arg == "--json") {
      mode = Mode::Json;
    } else {
      std::cerr << "giornaro: opzione sconosciuta: " << arg << "\n" << kUsage;
      return 2;
    }
  }
  if (mode == Mode::Window && !has_display()) mode = Mode::Text;

  const auto sheet = giornaro::app::compute_day_sheet(giornaro::rt::today_local(),
                                                      std::filesystem::current_path());
  return print_sheet(sheet, mode == Mode::Json);
}
