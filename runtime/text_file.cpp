#include "runtime/text_file.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include "runtime/failure.h"
#include "runtime/text.h"

namespace giornaro::rt {
namespace {

struct IconvCloser {
  void operator()(iconv_t* cd) const {
    iconv_close(*cd);
    delete cd;
  }
};
using Iconv = std::unique_ptr<iconv_t, IconvCloser>;

Iconv open_iconv(const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw Failure(std::string("Conversione di caratteri non disponibile (") + from + " -> " + to +
                  "): " + std::strerror(errno) + ".");
  }
  return Iconv(new iconv_t(cd));
}

// Runs iconv over `in`; on a sequence it cannot convert, calls `on_bad`, which
// appends a replacement and returns how many input bytes to skip.
template <typename OnBad>
std::string convert(iconv_t cd, std::string_view in, OnBad on_bad) {
  std::string out;
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  char buffer[1024];
  while (src_left > 0) {
    char* dst = buffer;
    std::size_t dst_left = sizeof buffer;
    const std::size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      const std::size_t skip = on_bad(out, std::string_view(src, src_left));
      src += skip;
      src_left -= skip;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

std::string describe_errno() {
  return std::strerror(errno);
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
  static thread_local Iconv cd = open_iconv("UTF-8", "WINDOWS-1252");
  return convert(*cd, bytes, [](std::string& out, std::string_view rest) -> std::size_t {
    append_utf8(out, static_cast<unsigned char>(rest.front()));
    return 1;
  });
}

std::string utf8_to_cp1252(std::string_view text) {
  static thread_local Iconv cd = open_iconv("WINDOWS-1252", "UTF-8");
  return convert(*cd, text, [](std::string& out, std::string_view rest) -> std::size_t {
    // The control characters that stand for the five undefined bytes go back
    // to those bytes, so a file read and rewritten keeps them.
    if (rest.size() >= 2 && static_cast<unsigned char>(rest[0]) == 0xC2) {
      const auto byte = static_cast<unsigned char>(rest[1]);
      if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
        out.push_back(static_cast<char>(byte));
        return 2;
      }
    }
    out.push_back('?');
    // Skip one whole UTF-8 character (or one stray byte).
    std::size_t skip = 1;
    while (skip < rest.size() && (static_cast<unsigned char>(rest[skip]) & 0xC0) == 0x80) ++skip;
    return skip;
  });
}

std::vector<std::string> split_lines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < content.size()) {
    const char c = content[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(content.substr(start, i - start));
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < content.size()) lines.emplace_back(content.substr(start));
  return lines;
}

void write_text_lines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += utf8_to_cp1252(line);
    bytes += "\r\n";
  }
  const std::string name = path.filename().string();
  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) throw Failure("Impossibile scrivere " + name + ": " + describe_errno() + ".");
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string why = describe_errno();
      ::close(fd);
      ::unlink(temp.c_str());
      throw Failure("Impossibile scrivere " + name + ": " + why + ".");
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = describe_errno();
    ::unlink(temp.c_str());
    throw Failure("Impossibile scrivere " + name + ": " + why + ".");
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = describe_errno();
    ::unlink(temp.c_str());
    throw Failure("Impossibile scrivere " + name + ": " + why + ".");
  }
}

}  // namespace giornaro::rt
