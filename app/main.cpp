// giornaro: the desk almanac's one command. It prints the day sheet itself
// (--text, --json, --date, --luogo, or no reachable display) and starts the
// window program giornaro-finestra only when a window is wanted, so the
// terminal sheet never loads the window toolkit.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/day_sheet.h"
#include "app/display.h"
#include "app/headless.h"
#include "app/os_error.h"
#include "place/place_table.h"
#include "runtime/clock.h"

#ifndef GIORNARO_DATA_FROM_EXE
#define GIORNARO_DATA_FROM_EXE "../share/giornaro"
#endif
#ifndef GIORNARO_WINDOW_FROM_EXE
#define GIORNARO_WINDOW_FROM_EXE "../libexec/giornaro"
#endif
#ifndef GIORNARO_VERSION
#define GIORNARO_VERSION "?"
#endif

namespace {

namespace fs = std::filesystem;
using giornaro::app::Options;

constexpr int kBadCommandLine = 2;
constexpr int kSheetIncomplete = 3;
constexpr int kOutputFailed = 4;

bool stdout_was_closed = false;

// A closed standard descriptor is reopened on /dev/null, so that no file the
// program opens later takes its number (the sheet would be written into it).
// A closed standard output is remembered and reported when the sheet is
// written.
void guard_standard_descriptors() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened != fd && opened >= 0) close(opened);
    if (fd == STDOUT_FILENO) stdout_was_closed = true;
  }
}

void complain(std::string_view message) {
  std::cerr << "giornaro: " << message << "\n";
}

// Writes all of `text` to standard output; on failure says why and gives the
// exit status for it.
int write_output(std::string_view text) {
  int error = stdout_was_closed ? EBADF : 0;
  while (error == 0 && !text.empty()) {
    const ssize_t written = write(STDOUT_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = written < 0 ? errno : EIO;
      break;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  if (error == 0) return 0;
  complain(error == EBADF
               ? std::string("lo standard output è chiuso: non si è potuto scrivere nulla.")
               : "impossibile scrivere sullo standard output: " +
                     giornaro::app::os_error_text(error) + ".");
  return kOutputFailed;
}

fs::path program_folder() {
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path();
}

std::string folder_note(const Options& options) {
  const auto plan = giornaro::app::plan_data_folder(
      giornaro::app::data_folder_inputs(options.folder, GIORNARO_DATA_FROM_EXE));
  if (!plan.error.empty()) return "Ora: " + plan.error + "\n";
  return "Ora: dati in " + plan.folder.string() + ", archivio " + plan.store.string() + "\n";
}

int print_sheet(const Options& options) {
  const auto folder = giornaro::app::prepare_data_folder(
      giornaro::app::data_folder_inputs(options.folder, GIORNARO_DATA_FROM_EXE));
  if (!folder.error.empty()) {
    complain(folder.error);
    return kSheetIncomplete;
  }
  auto sheet = giornaro::app::compute_day_sheet(options.date.value_or(giornaro::rt::today_local()),
                                                folder.folder, folder.store);
  if (options.place) giornaro::app::show_place(sheet, *options.place);

  const int written = write_output(
      options.output == Options::Output::Json
          ? giornaro::app::sheet_json_text(sheet)
          : giornaro::app::sheet_to_text(sheet, giornaro::app::text_style_for(STDOUT_FILENO)));
  for (const auto& error : sheet.errors) complain(error);
  if (written != 0) return written;
  return sheet.errors.empty() ? 0 : kSheetIncomplete;
}

// Replaces this process with the window program; returns only when it could
// not be started.
void start_window(const Options& options) {
  const fs::path here = program_folder();
  std::vector<std::string> arguments{"giornaro"};
  if (options.folder) arguments.insert(arguments.end(), {"--cartella", options.folder->string()});
  if (options.time_to_paint) arguments.emplace_back("--time-to-paint");
  std::vector<char*> pointers;
  for (auto& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  for (const fs::path& candidate :
       {here / GIORNARO_WINDOW_FROM_EXE / "giornaro-finestra", here / "giornaro-finestra"}) {
    execv(candidate.c_str(), pointers.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  guard_standard_descriptors();
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto parsed = giornaro::app::parse_options(arguments);
  if (!parsed.error.empty()) {
    complain(parsed.error);
    std::cerr << "Per l'aiuto: giornaro --help\n";
    return kBadCommandLine;
  }
  Options options = parsed.options;
  if (options.help) return write_output(giornaro::app::usage_text(folder_note(options)));
  if (options.version) return write_output("giornaro " GIORNARO_VERSION "\n");
  if (options.list_places) {
    std::string names;
    for (const auto& place : giornaro::place::places()) names.append(place.name).append("\n");
    return write_output(names);
  }

  if (options.output == Options::Output::Window) {
    const auto display = giornaro::app::check_display();
    if (display.reachable) {
      start_window(options);
      complain("impossibile avviare la finestra (giornaro-finestra: " +
               giornaro::app::os_error_text(errno) + "): il foglio è stampato come testo.");
    } else if (options.time_to_paint) {
      complain("--time-to-paint richiede uno schermo grafico raggiungibile.");
      return kBadCommandLine;
    } else if (display.named) {
      complain("lo schermo grafico (" + display.which +
               ") non risponde: il foglio è stampato come testo.");
    }
    options.output = Options::Output::Text;
  }
  return print_sheet(options);
}
