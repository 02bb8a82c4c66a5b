#include "place/place_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "place/place_table.h"
#include "runtime/failure.h"
#include "runtime/text.h"
#include "runtime/text_file.h"

namespace giornaro::place {
namespace {

// Far more than the longest place name with blanks and quotes around it.
constexpr std::size_t kFirstLineLimit = 4096;

}  // namespace

std::string saved_place_value(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::string_view rest = line.substr(first);
  if (rest.front() == '"') {
    rest.remove_prefix(1);
    return std::string(rest.substr(0, rest.find('"')));
  }
  rest = rest.substr(0, rest.find(','));
  const auto last = rest.find_last_not_of(" \t");
  return std::string(rest.substr(0, last + 1));
}

std::string read_saved_place(const std::filesystem::path& place_file) {
  const std::string name = place_file.filename().string();
  // Only a regular file is opened, and without waiting, so that a pipe or a
  // device under this name never blocks the start.
  struct stat st {};
  if (::stat(place_file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    throw Failure("Il file " + name + " non è un file normale.");
  }
  const int fd = ::open(place_file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) throw Failure("Impossibile aprire " + name + ": " + std::strerror(errno) + ".");
  // Only the first line counts: read up to its end, and no further than any
  // place name could reach.
  std::string head;
  char buffer[kFirstLineLimit];
  bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  while (regular && head.size() < kFirstLineLimit &&
         head.find_first_of("\r\n") == std::string::npos) {
    const ssize_t n = ::read(fd, buffer, kFirstLineLimit - head.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = std::strerror(errno);
      ::close(fd);
      throw Failure("Impossibile leggere " + name + ": " + why + ".");
    }
    head.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (!regular) throw Failure("Il file " + name + " non è un file normale.");
  const auto lines = rt::split_lines(rt::cp1252_to_utf8(head));
  if (lines.empty()) throw Failure("Il file luogo.txt è vuoto.");
  return saved_place_value(lines.front());
}

void write_saved_place(const std::filesystem::path& place_file, std::string_view name) {
  rt::write_text_lines(place_file, {std::string(name)});
}

ListRows place_list_rows() {
  ListRows rows;
  rows.reserve(kPlaceCount);
  for (int i = 0; i < kPlaceCount; ++i) {
    add_sorted(rows, std::string(places()[static_cast<std::size_t>(i)].name));
    rows[static_cast<std::size_t>(i)].selected = (i % 2 == 0);
  }
  return rows;
}

void apply_stripes(ListRows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].selected = (i % 2 == 0);
}

std::string short_place_name(std::string_view name) {
  if (rt::len(name) < 12) return std::string(name);
  return rt::left(name, 11) + ".";
}

}  // namespace giornaro::place
