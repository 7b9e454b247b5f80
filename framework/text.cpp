// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/text.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace fw {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double textToNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  while (i < text.size() && isDigit(text[i])) ++i;
  bool anyDigit = i > start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && isDigit(text[i])) ++i;
    anyDigit = anyDigit || i > fraction;
  }
  if (!anyDigit) return 0.0;

  // from_chars wants a digit before the point, and is independent of the locale.
  std::string number = text[start] == '.' ? "0" : "";
  number.append(text.substr(start, i - start));
  double magnitude = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    magnitude = std::numeric_limits<double>::max();
  }
  return negative ? -magnitude : magnitude;
}

std::string numberToText(double value) {
  if (std::isnan(value)) return "0";
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
  value = roundToNearest(value);
  if (value == 0.0) return "0";  // never "-0"
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

std::string nthField(std::string_view text, std::string_view separator, int n) {
  if (n < 1) return {};
  if (separator.empty()) return n == 1 ? std::string(text) : std::string();
  std::size_t begin = 0;
  for (int field = 1; field < n; ++field) {
    const std::size_t at = text.find(separator, begin);
    if (at == std::string_view::npos) return {};
    begin = at + separator.size();
  }
  const std::size_t end = text.find(separator, begin);
  return std::string(text.substr(begin, end == std::string_view::npos ? text.npos : end - begin));
}

int positionOf(std::string_view haystack, std::string_view needle) {
  const std::size_t at = haystack.find(needle);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

bool textEquals(std::string_view a, std::string_view b) {
  if (a == b) return true;
  const auto toQ = [](std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); };
  return QString::compare(toQ(a), toQ(b), Qt::CaseInsensitive) == 0;
}

double roundToNearest(double value) { return std::round(value); }

int naturalCompare(std::string_view a, std::string_view b) {
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      // Compare the digit runs by value: skip leading zeros, then longer is larger.
      std::size_t ai = i;
      std::size_t bj = j;
      while (ai < a.size() && a[ai] == '0') ++ai;
      while (bj < b.size() && b[bj] == '0') ++bj;
      std::size_t aEnd = ai;
      std::size_t bEnd = bj;
      while (aEnd < a.size() && isDigit(a[aEnd])) ++aEnd;
      while (bEnd < b.size() && isDigit(b[bEnd])) ++bEnd;
      if (aEnd - ai != bEnd - bj) return aEnd - ai < bEnd - bj ? -1 : 1;
      if (const int digits = a.substr(ai, aEnd - ai).compare(b.substr(bj, bEnd - bj)); digits != 0) return digits;
      i = aEnd;
      j = bEnd;
      continue;
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

}  // namespace fw
