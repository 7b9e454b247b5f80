// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The board: a 3 x 3 grid of squares for the digits 1 to 9, and eight lines
// through it (three rows, three columns, two diagonals), each with a target
// at its end.

#include <array>

namespace game {

constexpr int kSquareCount = 9;  // in reading order: square 3 * row + column, from 0
constexpr int kLineCount = 8;

struct Line {
  const char* name;
  std::array<int, 3> squares;  // in the order their digits are combined
};

// In the order a new puzzle writes the targets.
constexpr std::array<Line, kLineCount> kLines = {{
    {"row 1", {0, 1, 2}},
    {"row 2", {3, 4, 5}},
    {"row 3", {6, 7, 8}},
    {"column 1", {0, 3, 6}},
    {"column 2", {1, 4, 7}},
    {"column 3", {2, 5, 8}},
    {"falling diagonal", {0, 4, 8}},
    {"rising diagonal", {6, 4, 2}},
}};

// A cell the player sees and types into: a square of the grid, or the
// target at the end of a line.
struct Cell {
  enum class Kind { Square, Target };
  Kind kind;
  int index;  // the square (0 to 8) or the line (0 to 7)
  bool operator==(const Cell&) const = default;
};

constexpr Cell squareCell(int square) { return {Cell::Kind::Square, square}; }
constexpr Cell targetCell(int line) { return {Cell::Kind::Target, line}; }

}  // namespace game
