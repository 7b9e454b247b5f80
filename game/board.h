// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The board: 26 cells of the control array "Puzzle". Eight show targets,
// nine hidden ones hold the solution, nine are where the player types.

#include <array>

#include "framework/controls.h"

namespace game {

constexpr int kCellCount = 26;
constexpr int kFirstPlayerCell = 17;
constexpr int kLastPlayerCell = 25;

constexpr std::array<int, 9> kPlayerCells = {17, 18, 19, 20, 21, 22, 23, 24, 25};
// kSolutionCells[k] lies under kPlayerCells[k].
constexpr std::array<int, 9> kSolutionCells = {1, 2, 3, 5, 6, 7, 9, 10, 11};

struct Line {
  const char* name;
  std::array<int, 3> solutionCells;  // in the order their digits are combined
  std::array<int, 3> playerCells;
  int targetCell;
};

// In the order Start writes the targets.
constexpr std::array<Line, 8> kLines = {{
    {"row 1", {1, 2, 3}, {17, 18, 19}, 4},
    {"row 2", {5, 6, 7}, {20, 21, 22}, 8},
    {"row 3", {9, 10, 11}, {23, 24, 25}, 12},
    {"column 1", {1, 5, 9}, {17, 20, 23}, 13},
    {"column 2", {2, 6, 10}, {18, 21, 24}, 14},
    {"column 3", {3, 7, 11}, {19, 22, 25}, 15},
    {"falling diagonal", {1, 6, 11}, {17, 21, 25}, 0},
    {"rising diagonal", {9, 6, 3}, {23, 21, 19}, 16},
}};

enum class CellRole { Target, Solution, Player };
CellRole roleOf(int cell);

// What a screen reader says for a visible cell, e.g. "row 2, column 3" or
// "target of column 1". Solution cells have no description: no assistive tool
// ever reaches them.
const char* describeCell(int cell);

// The visible cell an arrow key leads to from a visible cell: the nearest one
// in that direction in the same row or column of the board's 5 x 5 places, or
// -1 where there is none.
int neighbourCell(int cell, fw::Arrow arrow);

}  // namespace game
