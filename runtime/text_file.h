// Text files of the 8-bit code page (Windows-1252) with CR LF line ends.
// Inside the program every text is UTF-8; the conversion happens here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace giornaro::rt {

// Code-page bytes to UTF-8. Never fails: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of
// the same value, as the system does.
std::string cp1252_to_utf8(std::string_view bytes);

// UTF-8 to code-page bytes. A character the code page cannot hold becomes "?";
// the five control characters above go back to their bytes.
std::string utf8_to_cp1252(std::string_view text);

// Splits file content into lines: CR LF, a lone CR or a lone LF end a line;
// a last line without an end still counts; an empty content has no line.
std::vector<std::string> split_lines(std::string_view content);

// Replaces the file with the given lines (code page, CR LF). Writes a
// temporary file in the same folder and renames it over the old one, so a
// failure leaves the old file as it was. Throws giornaro::Failure.
void write_text_lines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace giornaro::rt
