// The command line of giornaro: options, the date and place they name, and
// the help text.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace giornaro::app {

struct Options {
  enum class Output { Window, Text, Json };
  Output output = Output::Window;  // Window: a window when a display is reachable
  bool help = false;
  bool version = false;
  bool list_places = false;                         // --luoghi
  std::optional<std::chrono::year_month_day> date;  // --date
  std::optional<int> place;                         // --luogo, a row of the place table
  std::optional<std::filesystem::path> folder;      // --cartella
  bool time_to_paint = false;                       // unlisted: scripts/time_to_paint.sh
};

struct ParsedOptions {
  Options options;
  // One Italian sentence when the command line is wrong (exit status 2).
  std::string error;
};

// Reads the arguments after the program's name. Options that take a value
// accept it as the next argument or after "=". --date and --luogo print the
// sheet: as text unless --json is given.
ParsedOptions parse_options(const std::vector<std::string_view>& arguments);

// AAAA-MM-GG or GG/MM/AAAA, years 1..9999 (one to four digits), day and month
// of one or two digits. On error `error` names what is wrong: the form, or a
// day that does not exist.
struct ParsedDate {
  std::optional<std::chrono::year_month_day> date;
  std::string error;
};
ParsedDate parse_date(std::string_view text);

// The row of the place table named `name`, letters compared without regard to
// case (accented ones included): "milano" and "Forlì" name MILANO and FORLÌ.
std::optional<int> find_place_loosely(std::string_view name);

// The usage text; `folder_note` says which folder this run would use.
std::string usage_text(std::string_view folder_note);

}  // namespace giornaro::app
