#include "archive/archive_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "runtime/failure.h"
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

const std::string kName(kArchiveFileName);

bool is_ascii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Characters start..start+length-1 as rt::mid counts them, without decoding
// a line that is plain ASCII (most are): the archive editor cuts every line
// of a large archive.
std::string cut(std::string_view line, std::size_t start, std::size_t length = std::string::npos) {
  if (!is_ascii(line)) {
    return rt::mid(line, static_cast<long>(start),
                   length == std::string::npos ? -1 : static_cast<long>(length));
  }
  if (start > line.size()) return {};
  return std::string(line.substr(start - 1, length));
}

// The code page is one byte per character: a table of the 256 decoded bytes
// gives what the converter gives, at a fraction of its cost.
std::string decode(std::string_view bytes) {
  static const std::array<std::string, 256> table = [] {
    std::array<std::string, 256> decoded;
    for (int b = 0; b < 256; ++b)
      decoded[static_cast<std::size_t>(b)] =
          rt::cp1252_to_utf8(std::string(1, static_cast<char>(b)));
    return decoded;
  }();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      out += table[b];
    }
  }
  return out;
}

std::string reason() {
  return std::strerror(errno);
}

[[noreturn]] void fail(const std::string& message) {
  throw Failure(message);
}

[[noreturn]] void fail_reading(const std::string& why) {
  fail("Impossibile leggere " + kName + ": " + why + ".");
}

[[noreturn]] void fail_writing(const std::string& why) {
  fail("Impossibile scrivere " + kName + ": " + why + ".");
}

// A file descriptor closed when it goes out of scope (which also drops its lock).
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }
  // Closes now, reporting the result (a delayed write error shows here).
  int close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_;
};

std::string kind_of(mode_t mode) {
  if (S_ISDIR(mode)) return "è una cartella, non un file";
  if (S_ISFIFO(mode)) return "è una pipe (FIFO), non un file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "è un dispositivo, non un file";
  if (S_ISSOCK(mode)) return "è un socket, non un file";
  return "non è un file normale";
}

FileStamp stamp_of(const struct stat& st) {
  return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                   static_cast<std::uint64_t>(st.st_size)};
}

bool is_write_refusal(int error) {
  return error == EACCES || error == EPERM || error == EROFS;
}

// Opens the archive and takes the lock `lock` (LOCK_SH or LOCK_EX). Refuses
// anything but a regular file before opening it, so that a pipe never blocks.
// When the file at `path` was replaced while the lock was awaited, the lock
// is taken again on the new file. `writing` only chooses the messages.
Fd open_locked(const std::filesystem::path& path, int flags, int lock, bool writing) {
  for (;;) {
    struct stat before {};
    if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode)) {
      writing ? fail_writing(kind_of(before.st_mode)) : fail_reading(kind_of(before.st_mode));
    }
    Fd fd(::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
      if (!writing && errno == ENOENT) fail_reading("il file non esiste");
      if (writing && is_write_refusal(errno) && ::access(path.c_str(), F_OK) == 0) {
        fail_writing("il file non è scrivibile (" + reason() + ")");
      }
      writing ? fail_writing(reason()) : fail_reading(reason());
    }
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0) fail_reading(reason());
    if (!S_ISREG(opened.st_mode)) {
      writing ? fail_writing(kind_of(opened.st_mode)) : fail_reading(kind_of(opened.st_mode));
    }
    // A file nobody may write is read-only for this program too, even when
    // the system would let its administrator write it.
    if (writing && (opened.st_mode & 0222) == 0) fail_writing("il file è di sola lettura");
    while (::flock(fd.get(), lock) != 0) {
      if (errno != EINTR) writing ? fail_writing(reason()) : fail_reading(reason());
    }
    struct stat now {};
    if (::stat(path.c_str(), &now) == 0 && now.st_dev == opened.st_dev &&
        now.st_ino == opened.st_ino) {
      return fd;
    }
    // Replaced (or removed) while we waited: start again on what is there now.
  }
}

struct stat stat_of(const Fd& fd) {
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) fail_reading(reason());
  return st;
}

std::string read_all(const Fd& fd) {
  std::string content;
  const struct stat st = stat_of(fd);
  content.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      fail_reading(reason());
    }
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return content;
}

// Writes every byte; returns false with errno set on a failure.
bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Bytes that show the file is not a code-page text: a byte-order mark, or NUL
// bytes, which a Unicode (UTF-16) text has next to every ASCII character.
bool foreign_encoding(std::string_view bytes) {
  const auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  return starts("\xFF\xFE") || starts("\xFE\xFF") || starts("\xEF\xBB\xBF") ||
         bytes.find('\0') != std::string_view::npos;
}

[[noreturn]] void refuse_foreign_encoding() {
  fail(kName +
       " non è nella codifica dell'archivio (Windows-1252, righe CR LF): sembra un testo "
       "Unicode (UTF-16 o UTF-8 con BOM). Il file non è stato modificato; salvalo di nuovo come "
       "testo ANSI per poterlo aggiornare.");
}

std::string encode_lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += rt::utf8_to_cp1252(line);
    bytes += "\r\n";
  }
  return bytes;
}

// The file a rewrite replaces: the archive itself, or the file its symbolic
// link names.
std::filesystem::path real_file(const std::filesystem::path& path) {
  std::error_code error;
  const auto resolved = std::filesystem::canonical(path, error);
  return error ? path : resolved;
}

std::filesystem::path temporary_of(const std::filesystem::path& file) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  return temp;
}

std::string folder_text(const std::filesystem::path& file) {
  const auto folder = file.parent_path();
  return folder.empty() ? std::string(".") : folder.string();
}

[[noreturn]] void fail_in_folder(const std::filesystem::path& file, const std::string& why) {
  fail("Impossibile scrivere nella cartella di " + kName + " (" + folder_text(file) + "): " + why +
       ". Il file non è stato modificato.");
}

}  // namespace

std::string make_record(std::string_view date, std::string_view category, std::string_view text) {
  const std::string line =
      std::string(date) + "*" + rt::pad_right(category, kCategoryWidth) + "*" + one_line_text(text);
  return rt::cp1252_to_utf8(rt::utf8_to_cp1252(line));
}

std::string make_raw_record(std::string_view date, std::string_view category,
                            std::string_view text) {
  return std::string(date) + "*" + rt::pad_right(category, kCategoryWidth) + "*" +
         std::string(text);
}

ArchiveRecord read_record(std::string_view line) {
  return ArchiveRecord{cut(line, 1, 10), cut(line, 12, kCategoryWidth), cut(line, 24)};
}

std::optional<std::string> first_character_outside_code_page(std::string_view text) {
  const std::u32string chars = rt::decode_utf8(text);
  for (const char32_t c : chars) {
    if (c < 0x80) continue;
    std::string one;
    rt::append_utf8(one, c);
    if (c == 0xFFFD || rt::cp1252_to_utf8(rt::utf8_to_cp1252(one)) != one) return one;
  }
  return std::nullopt;
}

std::filesystem::path archive_path(const std::filesystem::path& folder) {
  return folder / kArchiveFileName;
}

ArchiveContent read_archive_content(const std::filesystem::path& path) {
  const Fd fd = open_locked(path, O_RDONLY, LOCK_SH, false);
  const std::string bytes = read_all(fd);
  ArchiveContent content;
  content.lines = rt::split_lines(decode(bytes));
  content.stamp = stamp_of(stat_of(fd));
  return content;
}

std::vector<std::string> read_archive(const std::filesystem::path& path) {
  return read_archive_content(path).lines;
}

Appended append_record(const std::filesystem::path& path, std::string_view record) {
  const Fd fd = open_locked(path, O_RDWR | O_APPEND | O_CREAT, LOCK_EX, true);
  const struct stat st = stat_of(fd);
  const auto size = static_cast<std::size_t>(st.st_size);

  // The first bytes and the last two tell a Unicode file and a missing line end.
  char head[3] = {};
  char tail[2] = {};
  const std::size_t head_size = std::min<std::size_t>(size, sizeof head);
  const std::size_t tail_size = std::min<std::size_t>(size, sizeof tail);
  if (::pread(fd.get(), head, head_size, 0) != static_cast<ssize_t>(head_size) ||
      ::pread(fd.get(), tail, tail_size, static_cast<off_t>(size - tail_size)) !=
          static_cast<ssize_t>(tail_size)) {
    fail_reading(reason());
  }
  if (foreign_encoding(std::string_view(head, head_size)) ||
      foreign_encoding(std::string_view(tail, tail_size))) {
    refuse_foreign_encoding();
  }

  std::string bytes;
  if (tail_size > 0 && tail[tail_size - 1] != '\n' && tail[tail_size - 1] != '\r') bytes = "\r\n";
  bytes += rt::utf8_to_cp1252(record);
  bytes += "\r\n";

  if (!write_all(fd.get(), bytes) || ::fdatasync(fd.get()) != 0) {
    const std::string why = reason();
    // Cut off whatever part of the record reached the file.
    if (::ftruncate(fd.get(), st.st_size) != 0) {
      fail_writing(why + "; il file ora termina con un record incompleto");
    }
    fail_writing(why);
  }
  Appended appended{stamp_of(st), stamp_of(st)};
  appended.after.size += bytes.size();
  return appended;
}

ArchiveContent rewrite_archive(
    const std::filesystem::path& path,
    const std::function<std::vector<std::string>(std::vector<std::string>)>& edit) {
  // Opened for writing although only read here: a read-only archive is
  // refused before anything is made.
  const Fd fd = open_locked(path, O_RDWR, LOCK_EX, true);
  const struct stat st = stat_of(fd);
  const std::string old_bytes = read_all(fd);
  if (foreign_encoding(old_bytes)) refuse_foreign_encoding();

  ArchiveContent result;
  result.lines = edit(rt::split_lines(decode(old_bytes)));
  const std::string bytes = encode_lines(result.lines);

  const std::filesystem::path file = real_file(path);
  const std::filesystem::path temp = temporary_of(file);
  // A temporary left by a rewrite that was killed: we hold the lock, so it is
  // nobody's now.
  if (::unlink(temp.c_str()) != 0 && errno != ENOENT) fail_in_folder(file, reason());
  Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (out.get() < 0) fail_in_folder(file, reason());

  const auto give_up = [&](const std::string& message) {
    out = Fd();
    ::unlink(temp.c_str());
    fail(message);
  };
  // The owner first: changing it may clear the mode's special bits.
  if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
      ::fchown(out.get(), st.st_uid, st.st_gid) != 0) {
    give_up("Impossibile riscrivere " + kName + " mantenendone il proprietario: " + reason() +
            ". Il file non è stato modificato.");
  }
  if (::fchmod(out.get(), st.st_mode & 07777) != 0 || !write_all(out.get(), bytes) ||
      ::fsync(out.get()) != 0 || out.close() != 0) {
    give_up("Impossibile scrivere " + kName + ": " + reason() +
            ". Il file non è stato modificato.");
  }
  if (std::rename(temp.c_str(), file.c_str()) != 0) {
    const std::string why = reason();
    ::unlink(temp.c_str());
    fail_in_folder(file, why);
  }
  // The rename itself reaches the disk with the folder.
  const Fd folder(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) ::fsync(folder.get());

  struct stat written {};
  if (::stat(file.c_str(), &written) == 0) result.stamp = stamp_of(written);
  return result;
}

void ensure_archive(const std::filesystem::path& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) return;
  if (::stat(path.c_str(), &st) == 0) return;
  if (errno != ENOENT) return;  // not ours to say: the readers report it
  const Fd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666));
  if (fd.get() < 0) {
    fail("Impossibile creare " + kName + " nella cartella " + folder_text(path) + ": " + reason() +
         ".");
  }
}

void remove_leftover_temporary(const std::filesystem::path& path) {
  const std::filesystem::path temp = temporary_of(real_file(path));
  struct stat st {};
  if (::lstat(temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  struct stat archive {};
  if (::stat(path.c_str(), &archive) == 0) {
    if (!S_ISREG(archive.st_mode)) return;
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    // A rewrite holds the lock while its temporary exists.
    if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;
    ::unlink(temp.c_str());
    return;
  }
  ::unlink(temp.c_str());
}

}  // namespace giornaro::archive
