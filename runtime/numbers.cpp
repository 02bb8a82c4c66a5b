#include "runtime/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace giornaro::rt {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

double val(std::string_view text) {
  // Gather the characters that form the number, dropping blanks wherever they stand.
  std::size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && is_blank(text[i])) ++i;
  };
  skip();
  if (i + 1 < text.size() && text[i] == '&') {
    const char kind = static_cast<char>(text[i + 1] | 0x20);
    int base = 0;
    if (kind == 'h') base = 16;
    if (kind == 'o') base = 8;
    if (base != 0) {
      i += 2;
      std::int64_t value = 0;
      for (; i < text.size(); ++i) {
        if (is_blank(text[i])) continue;
        const char c = static_cast<char>(text[i] | 0x20);
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0 || digit >= base) break;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) break;
      }
      return static_cast<double>(value);
    }
  }
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    number.push_back(text[i]);
    ++i;
  }
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (is_blank(c)) continue;
    if (c >= '0' && c <= '9') {
      number.push_back(c);
      digits = true;
    } else if (c == '.' && !point) {
      number.push_back(c);
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::string exponent = "e";
    std::size_t j = i + 1;
    while (j < text.size() && is_blank(text[j])) ++j;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent.push_back(text[j++]);
    bool exp_digits = false;
    for (; j < text.size(); ++j) {
      if (is_blank(text[j])) continue;
      if (text[j] < '0' || text[j] > '9') break;
      exponent.push_back(text[j]);
      exp_digits = true;
    }
    if (exp_digits) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

bool is_numeric(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  std::size_t last = text.find_last_not_of(' ');
  const std::string body(text.substr(first, last - first + 1));
  char* end = nullptr;
  std::strtod(body.c_str(), &end);
  if (end != body.c_str() + body.size()) return false;
  // strtod also takes "inf", "nan" and hex floats; a plain decimal number has none of them.
  return body.find_first_not_of("0123456789+-.eE") == std::string::npos;
}

std::string number_text(double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  std::string text(buffer);
  const auto e = text.find('E');
  std::string mantissa = e == std::string::npos ? text : text.substr(0, e);
  const std::string exponent = e == std::string::npos ? "" : text.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + exponent;
}

}  // namespace giornaro::rt
