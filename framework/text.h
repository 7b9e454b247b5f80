// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Text services: numbers live as decimal text in the controls that show them.

#include <string>
#include <string_view>

namespace fw {

// The number the text begins with (after leading blanks: an optional sign,
// digits, an optional fraction); 0 when it begins with no number. Never throws;
// a number too large for a double gives the largest double of its sign.
double textToNumber(std::string_view text);

// Integer text of a number: no decimal point, no blank, "-" when negative.
std::string numberToText(double value);

// Field n (from 1) of text split at separator; empty when there is no such field.
std::string nthField(std::string_view text, std::string_view separator, int n);

// Position (from 1) of needle in haystack; 0 when absent.
int positionOf(std::string_view haystack, std::string_view needle);

// Equality of two texts without regard to letter case.
bool textEquals(std::string_view a, std::string_view b);

// Orders texts as a person reads them: ASCII letter case aside, runs of digits
// by their value ("9" before "87" before "100"), a minus sign in front of a
// run (not a hyphen after a letter or digit) making it negative ("-10" before
// "-5" before "0"). Negative when a comes first, 0 when the two are alike.
int naturalCompare(std::string_view a, std::string_view b);

// Rounds to the nearest integer, halves away from zero.
double roundToNearest(double value);

}  // namespace fw
