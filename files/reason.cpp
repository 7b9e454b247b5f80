// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "files/reason.h"

#include <utility>

namespace fw {

Reason::Reason(const char* text, std::vector<Reason> parts) : text_(text), parts_(std::move(parts)) {}

Reason Reason::verbatim(std::string words) {
  Reason reason;
  reason.words_ = std::move(words);
  return reason;
}

std::string Reason::words(const std::function<std::string(const char* text)>& translate) const {
  if (!text_) return words_;
  std::vector<std::string> said;
  said.reserve(parts_.size());
  for (const Reason& part : parts_) said.push_back(part.words(translate));
  return filled(translate(text_), said);
}

std::string filled(std::string_view pattern, const std::vector<std::string>& values) {
  std::string result;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t number = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (pattern[i] == '%' && number < values.size() && number < 9) {
      result += values[number];
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace fw
