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
      "solution of row 1, column 1", "solution of row 1, column 2", "solution of row 1, column 3",
      "target of row 1",
      "solution of row 2, column 1", "solution of row 2, column 2", "solution of row 2, column 3",
      "target of row 2",
      "solution of row 3, column 1", "solution of row 3, column 2", "solution of row 3, column 3",
      "target of row 3",
      "target of column 1", "target of column 2", "target of column 3",
      "target of rising diagonal",
      "row 1, column 1", "row 1, column 2", "row 1, column 3",
      "row 2, column 1", "row 2, column 2", "row 2, column 3",
      "row 3, column 1", "row 3, column 2", "row 3, column 3",
  };
  return kDescriptions[static_cast<std::size_t>(cell)];
}

}  // namespace game
