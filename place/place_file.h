// luogo.txt: one line holding the chosen place name, in the 8-bit code page
// with CR LF, in the program's folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "runtime/list_rows.h"

namespace giornaro::place {

inline constexpr std::string_view kPlaceFileName = "luogo.txt";

// The saved place name: the first value of the file's first line, read as one
// text value (surrounding blanks dropped, a quoted value taken between its
// quotes, an unquoted one up to a comma). Only the start of the file is read,
// up to the first line end (at most 4096 bytes). Throws giornaro::Failure
// when the file is missing, unreadable or no regular file (a folder, a pipe,
// a device). The name is not checked against the table.
std::string read_saved_place(const std::filesystem::path& place_file);

// The value part of one line of the place file, as read_saved_place takes it.
std::string saved_place_value(std::string_view line);

// Replaces the file with the single line `name` (through a temporary file, so
// a failure leaves the old file). Throws giornaro::Failure.
void write_saved_place(const std::filesystem::path& place_file, std::string_view name);

// The rows of the place list `luogo2` as start-up leaves them: the 108 names
// added in table order to a sorted list, and after each addition row i (the
// i-th row of the list as it then stands) flagged selected when i is even.
ListRows place_list_rows();

// The stripe pattern a click restores: row i selected when i is even.
void apply_stripes(ListRows& rows);

// The picked name as the panel's label shows it: whole below 12 characters,
// otherwise its first 11 characters and ".".
std::string short_place_name(std::string_view name);

}  // namespace giornaro::place
