// The day sheet for terminals and scripts: one JSON object keyed by the
// window's control names, or a plain text page with the window's labels.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "app/day_sheet.h"

namespace giornaro::app {

// Keys: giorno, meseT, settimana, santo, zona, sorge, tramonta, statoT, età,
// LunaIMG (number or null), CANNO, luogo2/List1/List2 (arrays of
// {"text", "selected"}), errors (array of texts).
nlohmann::ordered_json sheet_to_json(const DaySheet& sheet);

// The sheet as text; with `emphasis`, title lines of the lists are bold
// (terminal escape codes).
std::string sheet_to_text(const DaySheet& sheet, bool emphasis);

// A symbol of the moon's stage for picture 101..120 (empty without a picture).
std::string moon_symbol(std::optional<int> picture);

}  // namespace giornaro::app
