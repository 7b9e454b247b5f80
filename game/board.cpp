// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game/board.h"

namespace game {

CellRole roleOf(int cell) {
  if (cell >= kFirstPlayerCell) return CellRole::Player;
  for (const Line& line : kLines) {
    if (line.targetCell == cell) return CellRole::Target;
  }
  return CellRole::Solution;
}

const char* describeCell(int cell) {
  static constexpr std::array<const char*, kCellCount> kDescriptions = {
      "target of falling diagonal",
      "", "", "", "target of row 1",
      "", "", "", "target of row 2",
      "", "", "", "target of row 3",
      "target of column 1", "target of column 2", "target of column 3",
      "target of rising diagonal",
      "row 1, column 1", "row 1, column 2", "row 1, column 3",
      "row 2, column 1", "row 2, column 2", "row 2, column 3",
      "row 3, column 1", "row 3, column 2", "row 3, column 3",
  };
  return kDescriptions[static_cast<std::size_t>(cell)];
}

namespace {

struct Place {
  int row;
  int column;
};

// Where each visible cell stands on the board: the falling diagonal's target
// at the top left, the rising diagonal's at the top right, the row targets to
// the right of the grid and the column targets below it.
constexpr std::array<Place, kCellCount> kPlaces = {{
    {0, 0},
    {-1, -1}, {-1, -1}, {-1, -1}, {1, 4},
    {-1, -1}, {-1, -1}, {-1, -1}, {2, 4},
    {-1, -1}, {-1, -1}, {-1, -1}, {3, 4},
    {4, 1}, {4, 2}, {4, 3},
    {0, 4},
    {1, 1}, {1, 2}, {1, 3},
    {2, 1}, {2, 2}, {2, 3},
    {3, 1}, {3, 2}, {3, 3},
}};

}  // namespace

int neighbourCell(int cell, fw::Arrow arrow) {
  using fw::Arrow;
  const Place from = kPlaces[static_cast<std::size_t>(cell)];
  if (from.row < 0) return -1;
  const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
  const int step = arrow == Arrow::Up || arrow == Arrow::Left ? -1 : 1;
  int best = -1;
  int bestDistance = 0;
  for (int other = 0; other < kCellCount; ++other) {
    const Place to = kPlaces[static_cast<std::size_t>(other)];
    if (to.row < 0 || (vertical ? to.column != from.column : to.row != from.row)) continue;
    const int distance = (vertical ? to.row - from.row : to.column - from.column) * step;
    if (distance > 0 && (best < 0 || distance < bestDistance)) {
      best = other;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace game
