// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The order in which a list's headings sort its texts.

#include <string_view>

namespace fw {

// Orders texts as a person reads them: ASCII letter case aside, runs of digits
// by their value ("9" before "87" before "100"), a minus sign in front of a
// run (not a hyphen after a letter or digit) making it negative ("-10" before
// "-5" before "0"). Negative when a comes first, 0 when the two are alike.
int naturalCompare(std::string_view a, std::string_view b);

}  // namespace fw
