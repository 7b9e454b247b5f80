// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Why file work failed, kept as a text and its parts until it is said: the
// files and the score lists know no language, and the window that tells the
// player says it in theirs. Built by hand, as Qt's translation needs Qt.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Marks a text for the catalogues, which find it by this name; Qt's own macro
// is the same identity where its headers come in too.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace fw {

class Reason {
public:
  // No reason: nothing failed.
  Reason() = default;
  // A literal marked QT_TRANSLATE_NOOP("Reasons", ...), kept by its address,
  // its %1, %2, ... standing for the parts in turn.
  explicit Reason(const char* text, std::vector<Reason> parts = {});
  // Words said as they are in every language: a path, a name, the system's own words.
  static Reason verbatim(std::string words);

  bool empty() const { return !text_ && words_.empty(); }
  // The reason in a language, each text as `translate` gives it, with its
  // parts' words put in as the bytes they are.
  std::string words(const std::function<std::string(const char* text)>& translate) const;

private:
  const char* text_ = nullptr;
  std::string words_;
  std::vector<Reason> parts_;
};

// The pattern with %1, %2, ... %9 replaced by the values, in one pass: a value
// that holds "%2" (a path may) stays as it is. A number without a value stays too.
std::string filled(std::string_view pattern, const std::vector<std::string>& values);

}  // namespace fw
