// Character-position text functions over UTF-8 strings.
//
// Positions count characters (code points) from 1, so an accented letter such
// as "ì" is one character. A cut that starts beyond the end yields empty text;
// a length running past the end stops at the end. Invalid UTF-8 bytes decode
// as U+FFFD, one character each.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace giornaro::rt {

std::u32string decode_utf8(std::string_view text);
std::string encode_utf8(std::u32string_view text);
void append_utf8(std::string& out, char32_t c);

// Number of characters.
std::size_t len(std::string_view text);

// Characters start..start+length-1 (1-based); length < 0 means "to the end".
// A start below 1 is treated as 1.
std::string mid(std::string_view text, long start, long length = -1);
std::string left(std::string_view text, long count);

// Case mapping of the 8-bit code page's letters (ASCII, Latin-1 accented
// letters, and the few Windows-1252 extras such as Š and Œ).
char32_t upper_char(char32_t c);
char32_t lower_char(char32_t c);
std::string upper(std::string_view text);
std::string lower(std::string_view text);

// Leading and trailing blanks (U+0020 only) removed.
std::string trim(std::string_view text);

// The pieces between separators; an empty text gives one empty piece.
std::vector<std::string> split(std::string_view text, std::string_view separator);

// The text repeated/padded helpers used by fixed-width records.
std::string pad_right(std::string_view text, std::size_t width);

}  // namespace giornaro::rt
