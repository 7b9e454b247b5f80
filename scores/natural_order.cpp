// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/natural_order.h"

#include <cstddef>
#include <cstdint>

namespace scores {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isLetterOrDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

// A number that begins at position at: a digit run, or a minus sign and a
// digit run where the minus follows no letter or digit (so "-5" is minus
// five, while the hyphen of "Ann-2" stays a hyphen).
struct NumberAt {
  bool found = false;
  bool negative = false;
  std::size_t digits = 0;  // where its digits begin, leading zeros skipped
  std::size_t end = 0;
};

NumberAt numberAt(std::string_view text, std::size_t at) {
  NumberAt number;
  if (isDigit(text[at])) {
    number.found = true;
  } else if (text[at] == '-' && at + 1 < text.size() && isDigit(text[at + 1]) &&
             (at == 0 || !isLetterOrDigit(text[at - 1]))) {
    number.found = true;
    number.negative = true;
    ++at;
  }
  if (!number.found) return number;
  while (at < text.size() && text[at] == '0') ++at;
  number.digits = at;
  while (at < text.size() && isDigit(text[at])) ++at;
  number.end = at;
  return number;
}

// Compares two numbers by value; minus zero and zero are alike.
int compareNumbers(std::string_view a, const NumberAt& x, std::string_view b, const NumberAt& y) {
  const std::string_view xDigits = a.substr(x.digits, x.end - x.digits);
  const std::string_view yDigits = b.substr(y.digits, y.end - y.digits);
  int magnitude = 0;
  if (xDigits.size() != yDigits.size()) {
    magnitude = xDigits.size() < yDigits.size() ? -1 : 1;
  } else if (const int digits = xDigits.compare(yDigits); digits != 0) {
    magnitude = digits < 0 ? -1 : 1;
  }
  const bool xNegative = x.negative && !xDigits.empty();
  const bool yNegative = y.negative && !yDigits.empty();
  if (xNegative != yNegative) return xNegative ? -1 : 1;
  return xNegative ? -magnitude : magnitude;
}

// A number's key: its count of digits (leading zeros skipped), then the
// digits; a negative one after a minus sign, with both reversed. The first
// byte is a digit's, so that a number's key meets other text as the digit
// it begins with would.
void appendNumberKey(std::string_view digits, bool negative, std::string& key) {
  const auto count = static_cast<std::uint32_t>(digits.size());
  if (negative) key += '-';
  if (count <= 8) {
    key += static_cast<char>(negative ? '9' - count : '0' + count);
  } else {
    key += negative ? '0' : '9';
    const std::uint32_t stored = negative ? ~count : count;
    for (int shift = 24; shift >= 0; shift -= 8) key += static_cast<char>((stored >> shift) & 0xFF);
  }
  for (char digit : digits) key += negative ? static_cast<char>('9' - (digit - '0')) : digit;
}

}  // namespace

int naturalCompare(std::string_view a, std::string_view b) {
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto mayBeNumber = [](char c) { return isDigit(c) || c == '-'; };
    if (mayBeNumber(a[i]) && mayBeNumber(b[j])) {
      const NumberAt x = numberAt(a, i);
      const NumberAt y = numberAt(b, j);
      if (x.found && y.found) {
        if (const int c = compareNumbers(a, x, b, y); c != 0) return c;
        i = x.end;
        j = y.end;
        continue;
      }
    }
    const int ca = lower(static_cast<unsigned char>(a[i]));
    const int cb = lower(static_cast<unsigned char>(b[j]));
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool appendNaturalKey(std::string_view text, std::string& key) {
  const std::size_t begin = key.size();
  for (std::size_t at = 0; at < text.size();) {
    const NumberAt number = numberAt(text, at);
    if (!number.found) {
      const auto c = static_cast<unsigned char>(text[at++]);
      key += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
      continue;
    }
    const std::string_view digits = text.substr(number.digits, number.end - number.digits);
    if (number.negative && digits.empty()) {
      key.resize(begin);
      return false;
    }
    appendNumberKey(digits, number.negative, key);
    at = number.end;
  }
  return true;
}

}  // namespace scores
