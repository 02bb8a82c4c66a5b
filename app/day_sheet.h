// The day sheet: everything the main window shows for one date, computed in
// one pass at start-up.
//
// compute_day_sheet() runs the start-up sequence: it makes sure the archive
// NewData.txt exists, reads the saved place from luogo.txt, then fills the
// sheet in a fixed order: day, month and weekday names, the saint of the day
// (calendar/saints) and the day's feast (calendar/feasts), the place and its
// sunrise and sunset (place/, sky/sun), the moon's state, age and picture in
// two calls that share a MoonState (sky/moon), the date key, and the facts and
// births of the day (app/day_lists, which merges archive/ into events/). Any
// failure after the archive step restarts the sequence once for ROMA; a
// failure of that restart is recorded in `errors` and the sheet keeps what
// was computed. The archive is the user's own file: when it cannot be made or
// read, the sheet is complete but for its entries, keeps the saved place, and
// `errors` tells the archive's problem once. A temporary file left by a
// rewrite of the archive that was killed is removed. Front ends
// (the Qt windows, the JSON and text output) only show a DaySheet.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/list_rows.h"

namespace giornaro::app {

struct DaySheet {
  // Captions of the main window's labels, named after the controls.
  std::string giorno;
  std::string meseT;
  std::string settimana;
  std::string santo;
  std::string zona;
  std::string sorge;
  std::string tramonta;
  std::string statoT;
  std::string eta;             // the control "età"
  std::optional<int> LunaIMG;  // moon picture 101..120, none before the moon is computed
  std::string CANNO;           // date key DD/MM

  ListRows luogo2;  // the place list of the place panel
  ListRows List1;   // facts of the day
  ListRows List2;   // births of the day

  // Failure messages of this start, in Italian; empty when none.
  std::vector<std::string> errors;

  // What later changes of the sheet need.
  std::chrono::year_month_day today{};
  std::filesystem::path folder;
  std::filesystem::path store;       // lune.dat
  std::filesystem::path place_file;  // luogo.txt
  int place_index = 999;             // row of the place table; 999 while unresolved
};

// The sheet for `today`, reading and writing files in `folder` (the program's
// current folder).
DaySheet compute_day_sheet(std::chrono::year_month_day today, const std::filesystem::path& folder);

// The same with the event store read from `store` (the installed one when
// the user's folder holds none of its own).
DaySheet compute_day_sheet(std::chrono::year_month_day today, const std::filesystem::path& folder,
                           const std::filesystem::path& store);

// Confirms the place picked in the place panel: writes `picked` to luogo.txt
// and recomputes sunrise and sunset for it; nothing else on the sheet depends
// on the place (place_index keeps the row resolved at start-up). An empty
// `picked` (nothing picked yet) keeps the current place and changes nothing.
// Throws giornaro::Failure when the name is no row of the place table, the
// sun cannot be computed or the file cannot be written; the sheet and the
// file are then as they were.
void confirm_place(DaySheet& sheet, std::string_view picked);

// Reads the day's facts and births again, for the date key CANNO, into
// emptied lists: the archive editor has changed NewData.txt. Throws
// giornaro::Failure; the lists then hold what was read before the failure
// (when only the archive failed, every list without the archive's entries).
void refresh_day_lists(DaySheet& sheet);

}  // namespace giornaro::app
