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

}  // namespace fw
