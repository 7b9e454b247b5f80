// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The order in which a list's headings sort its texts.

#include <string>
#include <string_view>

namespace scores {

// Orders texts as a person reads them: ASCII letter case aside, runs of digits
// by their value ("9" before "87" before "100"), a minus sign in front of a
// run (not a hyphen after a letter or digit) making it negative ("-10" before
// "-5" before "0"). Negative when a comes first, 0 when the two are alike.
int naturalCompare(std::string_view a, std::string_view b);

// Appends the text's sort key: bytes that order as naturalCompare orders the
// texts, so that sorting compares bytes instead of reading numbers again; a
// key that begins a longer one comes first. False, with nothing appended, for
// a text no key can place: a minus sign before zeros only ("-0") is zero
// against a number but a minus sign against other text.
bool appendNaturalKey(std::string_view text, std::string& key);

}  // namespace scores
