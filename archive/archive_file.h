// The personal archive NewData.txt: one record per line, in the 8-bit code
// page with CR LF line ends:
//
//   positions 1-10   date GG/MM/AAAA
//   position  11     "*"
//   positions 12-22  category name ("Nozze"), blanks up to 11 characters
//   position  23     "*"
//   position  24 on  text, possibly empty, never holding "*" or a line break
//
// Readers rely on the fixed positions. These functions build, take apart,
// read and write records; the archive editor and the day-list merge use them.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/categories.h"

namespace giornaro::archive {

inline constexpr std::string_view kArchiveFileName = "NewData.txt";
inline constexpr std::size_t kCategoryWidth = 11;

// The categories the editor offers, in its order.
inline constexpr std::array<std::string_view, rt::kCategories.size()> kCategoryNames = [] {
  std::array<std::string_view, rt::kCategories.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = rt::kCategories[i].name;
  return names;
}();

struct ArchiveRecord {
  std::string date;      // positions 1-10
  std::string category;  // positions 12-22, trailing blanks kept
  std::string text;      // position 24 to the end

  friend bool operator==(const ArchiveRecord&, const ArchiveRecord&) = default;
};

// The record line: date, "*", category padded with blanks to 11 characters
// (a longer one is kept whole), "*", text. Line breaks in the text become one
// blank each and "*" is removed, so the line holds one record with its two
// separators; characters the code page cannot hold become "?", as the file
// will store them.
std::string make_record(std::string_view date, std::string_view category, std::string_view text);

// A line taken apart at the fixed positions; positions beyond the end read as
// empty text.
ArchiveRecord read_record(std::string_view line);

// The archive's path in `folder`.
std::filesystem::path archive_path(const std::filesystem::path& folder);

// Every line of the archive, decoded to UTF-8. Throws giornaro::Failure when
// the file cannot be read.
std::vector<std::string> read_archive(const std::filesystem::path& path);

// Appends one record line, creating the file when missing.
void append_record(const std::filesystem::path& path, std::string_view record);

// Replaces the archive with `lines` through a temporary file renamed over it.
void rewrite_archive(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace giornaro::archive
