#include "archive/archive_file.h"

#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::archive {
namespace {

// One blank per line break (CR LF counts once), no "*".
std::string one_line_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '*') continue;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out.push_back(' ');
      continue;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::string make_record(std::string_view date, std::string_view category, std::string_view text) {
  const std::string line =
      std::string(date) + "*" + rt::pad_right(category, kCategoryWidth) + "*" + one_line_text(text);
  return rt::cp1252_to_utf8(rt::utf8_to_cp1252(line));
}

ArchiveRecord read_record(std::string_view line) {
  return ArchiveRecord{rt::mid(line, 1, 10), rt::mid(line, 12, static_cast<long>(kCategoryWidth)),
                       rt::mid(line, 24)};
}

std::filesystem::path archive_path(const std::filesystem::path& folder) {
  return folder / kArchiveFileName;
}

std::vector<std::string> read_archive(const std::filesystem::path& path) {
  return rt::read_text_lines(path);
}

void append_record(const std::filesystem::path& path, std::string_view record) {
  rt::append_text_line(path, record);
}

void rewrite_archive(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  rt::write_text_lines(path, lines);
}

}  // namespace giornaro::archive
