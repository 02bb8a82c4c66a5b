// The day sheet for terminals and scripts: one JSON object keyed by the
// window's control names, or a plain text page with the window's labels.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "app/day_sheet.h"

namespace giornaro::app {

// Keys: giorno, meseT, settimana, santo, zona, sorge, tramonta, statoT, età,
// LunaIMG (number or null), CANNO, luogo2/List1/List2 (arrays of
// {"text", "selected"}), errors (array of texts).
nlohmann::ordered_json sheet_to_json(const DaySheet& sheet);

// The JSON object as printed: two-space indents and a final line end. Bytes of
// the store or the archive that are not UTF-8 become U+FFFD instead of
// stopping the output.
std::string sheet_json_text(const DaySheet& sheet);

// How the text sheet is drawn. Plain (pipes and files): title lines of the
// lists marked "> ", separator lines of 106 "-" after the indent. For a
// terminal: bold and colour (escape codes) instead of the marks, and
// separator lines, indent included, `width` characters long.
struct TextStyle {
  bool emphasis = false;
  std::optional<std::size_t> width;
};

// The style for output to the file descriptor `fd`: emphasis only on a
// terminal with NO_COLOR unset or empty, width the terminal's, at most 106.
TextStyle text_style_for(int fd);

std::string sheet_to_text(const DaySheet& sheet, const TextStyle& style = {});

// Shows the place of row `row` of the place table on the sheet for this run
// only: its name and its sunrise and sunset, as if luogo.txt named it (no file
// is written). A failure of the sun is added to `errors`.
void show_place(DaySheet& sheet, int row);

// A symbol of the moon's stage for picture 101..120 (empty without a picture).
std::string moon_symbol(std::optional<int> picture);

}  // namespace giornaro::app
