#include "runtime/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace giornaro::rt {
namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// True when a plain decimal number (digits, at most one point, an optional
// exponent "e" with sign) is at least 1 in size: the out-of-range numbers
// that overflow rather than underflow.
bool at_least_one(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '-' || number[i] == '+')) ++i;
    for (; i < number.size() && exponent < 1000000; ++i)
      exponent = exponent * 10 + (number[i] - '0');
    if (negative) exponent = -exponent;
  }
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;
  const long long position = first < point ? static_cast<long long>(point - first) - 1
                                           : -static_cast<long long>(first - point);
  return position + exponent >= 0;
}

// The decimal number in `number` (sign, digits, point, exponent "e"), read
// the same way under every locale. Out of range gives infinity or 0.
double parse_decimal(const std::string& number) {
  std::string_view digits = number;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::general);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    value = at_least_one(digits) ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
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
  return parse_decimal(number);
}

bool is_numeric(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  std::size_t last = text.find_last_not_of(' ');
  std::string_view body = text.substr(first, last - first + 1);
  if (body.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return false;
  // One sign, then a decimal number with an optional exponent.
  if (body.front() == '+' || body.front() == '-') body.remove_prefix(1);
  if (body.empty() || body.front() == '+' || body.front() == '-') return false;
  double value = 0;
  const auto [end, error] =
      std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
  return error != std::errc::invalid_argument && end == body.data() + body.size();
}

std::string number_text(double value) {
  if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<std::int64_t>(value));
  }
  // 15 significant digits in the shortest of fixed and scientific form,
  // with a capital E, the same under every locale.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  const auto e = text.find('E');
  std::string mantissa = e == std::string::npos ? text : text.substr(0, e);
  const std::string exponent = e == std::string::npos ? "" : text.substr(e);
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  return mantissa + exponent;
}

std::string two_digits(int value) {
  return (value < 10 ? "0" : "") + number_text(value);
}

}  // namespace giornaro::rt
