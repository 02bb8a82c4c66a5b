// The personal archive NewData.txt: one record per line, in the 8-bit code
// page with CR LF line ends:
//
//   positions 1-10   date GG/MM/AAAA
//   position  11     "*"
//   positions 12-22  category name ("Nozze"), blanks up to 11 characters
//   position  23     "*"
//   position  24 on  text, possibly empty, never holding "*" or a line break
//
// Readers take a line apart with read_record only. These functions build,
// take apart, read and write records; the archive editor and the day-list
// merge use them.
//
// Every writer (append, rewrite) holds an exclusive lock (flock) on the
// archive file while it works, and readers a shared one, so two editors never
// lose each other's records and nobody reads half a record. A writer that
// finds the file replaced while it waited for the lock starts again on the
// new file. Only regular files are read or written: a folder, a pipe or a
// device named NewData.txt is refused without blocking.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
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

// The same line with the text as it is: "*" kept, nothing replaced. A stored
// line equals it when it holds exactly these fields.
std::string make_raw_record(std::string_view date, std::string_view category,
                            std::string_view text);

// A line taken apart at the fixed positions; positions beyond the end read as
// empty text.
ArchiveRecord read_record(std::string_view line);

// The first character of `text` (UTF-8) that the archive's code page cannot
// hold, or nothing when every one fits.
std::optional<std::string> first_character_outside_code_page(std::string_view text);

// The archive's path in `folder`.
std::filesystem::path archive_path(const std::filesystem::path& folder);

// Which file, and how long, the archive was when last read or written: a
// writer that finds the same stamp before its change knows that nobody else
// changed the file in between.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct ArchiveContent {
  std::vector<std::string> lines;  // decoded to UTF-8
  FileStamp stamp;
};

// Every line of the archive, decoded to UTF-8. Throws giornaro::Failure
// naming NewData.txt and the reason when it cannot be read (missing, no
// regular file, no permission).
ArchiveContent read_archive_content(const std::filesystem::path& path);
std::vector<std::string> read_archive(const std::filesystem::path& path);

struct Appended {
  FileStamp before;  // the file just before the record was added
  FileStamp after;
};

// Appends one record line, creating the file when missing. A last line
// without its line end gets one first, so the record never joins it. Throws
// giornaro::Failure, and then the file is as it was: a write that fails
// half-way (a full disk) is cut back off. Refuses a file that is not in the
// code page (a Unicode text, recognised by its byte-order mark or its NUL
// bytes), which the record would corrupt.
Appended append_record(const std::filesystem::path& path, std::string_view record);

// Replaces the archive's lines with what `edit` makes of them, through a
// temporary file "NewData.txt.tmp" renamed over the file. The lines are read
// under the same lock as the writing, so no record added meanwhile by another
// editor is lost. The new file keeps the old one's permissions and owner, and
// a symbolic link keeps pointing at it (the file it names is replaced). Throws
// giornaro::Failure, the archive then left as it was: a file that cannot be
// written (read-only), a folder where no file can be made, a file not in the
// code page (see append_record).
ArchiveContent rewrite_archive(
    const std::filesystem::path& path,
    const std::function<std::vector<std::string>(std::vector<std::string>)>& edit);

// Creates the archive empty when nothing is at `path`; whatever is there
// already is left alone (readers report what is wrong with it). Throws
// giornaro::Failure when the file is missing and cannot be created.
void ensure_archive(const std::filesystem::path& path);

// Removes the temporary file a rewrite killed half-way left behind, unless
// another editor is rewriting the archive right now. Never fails.
void remove_leftover_temporary(const std::filesystem::path& path);

}  // namespace giornaro::archive
