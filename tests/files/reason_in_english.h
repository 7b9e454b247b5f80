// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A reason in the code's own English, as the tests read it and print it.

#include <ostream>
#include <string>
#include <string_view>

#include "files/reason.h"

namespace fw {

inline std::string english(const Reason& reason) {
  return reason.words([](const char* text) { return std::string(text); });
}
inline bool operator==(const Reason& reason, std::string_view words) { return english(reason) == words; }
inline std::ostream& operator<<(std::ostream& out, const Reason& reason) { return out << english(reason); }

}  // namespace fw
