#include "runtime/text.h"

#include <algorithm>

namespace giornaro::rt {

std::u32string decode_utf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    } else if ((b0 & 0xE0) == 0xC0) {
      extra = 1;
      c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
      extra = 2;
      c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
      extra = 3;
      c = b0 & 0x07;
    } else {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    if (i + static_cast<std::size_t>(extra) >= n) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (b & 0x3F);
    }
    const bool overlong =
        (extra == 1 && c < 0x80) || (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
    if (!ok || overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string encode_utf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) append_utf8(out, c);
  return out;
}

std::size_t len(std::string_view text) {
  std::size_t count = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::string mid(std::string_view text, long start, long length) {
  if (start < 1) start = 1;
  // Plain ASCII (dates, codes, most list lines): a character is a byte.
  if (std::all_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    const auto total = static_cast<long>(text.size());
    if (start > total || length == 0) return {};
    const long first = start - 1;
    const long count = (length < 0) ? total - first : std::min(length, total - first);
    return std::string(
        text.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
  }
  const std::u32string chars = decode_utf8(text);
  const auto total = static_cast<long>(chars.size());
  if (start > total || length == 0) return {};
  const long first = start - 1;  // [0, total)
  const long count = (length < 0) ? total - first : std::min(length, total - first);
  return encode_utf8(std::u32string_view(chars).substr(static_cast<std::size_t>(first),
                                                       static_cast<std::size_t>(count)));
}

std::string left(std::string_view text, long count) {
  if (count <= 0) return {};
  return mid(text, 1, count);
}

char32_t upper_char(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0xFF:
      return 0x178;  // ÿ -> Ÿ
    case 0x161:
      return 0x160;  // š -> Š
    case 0x153:
      return 0x152;  // œ -> Œ
    case 0x17E:
      return 0x17D;  // ž -> Ž
    default:
      return c;
  }
}

char32_t lower_char(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  switch (c) {
    case 0x178:
      return 0xFF;
    case 0x160:
      return 0x161;
    case 0x152:
      return 0x153;
    case 0x17D:
      return 0x17E;
    default:
      return c;
  }
}

std::string upper(std::string_view text) {
  std::u32string chars = decode_utf8(text);
  for (char32_t& c : chars) c = upper_char(c);
  return encode_utf8(chars);
}

std::string lower(std::string_view text) {
  std::u32string chars = decode_utf8(text);
  for (char32_t& c : chars) c = lower_char(c);
  return encode_utf8(chars);
}

std::string trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
  std::vector<std::string> parts;
  if (separator.empty()) {
    parts.emplace_back(text);
    return parts;
  }
  std::size_t from = 0;
  while (true) {
    const auto at = text.find(separator, from);
    if (at == std::string_view::npos) {
      parts.emplace_back(text.substr(from));
      return parts;
    }
    parts.emplace_back(text.substr(from, at - from));
    from = at + separator.size();
  }
}

std::string pad_right(std::string_view text, std::size_t width) {
  std::string out(text);
  const std::size_t n = len(text);
  if (n < width) out.append(width - n, ' ');
  return out;
}

}  // namespace giornaro::rt
