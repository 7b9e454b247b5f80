// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Arrow keys between the board's visible cells.

#include <gtest/gtest.h>

#include "game/board.h"

namespace {

using fw::Arrow;

struct Step {
  int from;
  Arrow arrow;
  int to;  // -1: the focus stays
};

// The board's places: 0 . . . 16 / . 17 18 19 4 / . 20 21 22 8 / . 23 24 25 12 / . 13 14 15 .
const Step kSteps[] = {
    {17, Arrow::Right, 18}, {19, Arrow::Right, 4},  {4, Arrow::Right, -1},  {17, Arrow::Left, -1},
    {21, Arrow::Up, 18},    {18, Arrow::Up, -1},    {4, Arrow::Up, 16},     {16, Arrow::Up, -1},
    {25, Arrow::Down, 15},  {15, Arrow::Down, -1},  {12, Arrow::Down, -1},  {0, Arrow::Down, -1},
    {0, Arrow::Right, 16},  {16, Arrow::Left, 0},   {13, Arrow::Right, 14}, {15, Arrow::Right, -1},
    {13, Arrow::Left, -1},  {14, Arrow::Up, 24},    {8, Arrow::Left, 22},   {20, Arrow::Left, -1},
};

TEST(BoardTest, ArrowKeysLeadToTheNearestVisibleCellInTheirDirection) {
  for (const Step& step : kSteps) {
    EXPECT_EQ(game::neighbourCell(step.from, step.arrow), step.to)
        << "from " << step.from << " by arrow " << static_cast<int>(step.arrow);
  }
}

TEST(BoardTest, NoArrowKeyLeadsToOrFromASolutionCell) {
  for (int cell = 0; cell < game::kCellCount; ++cell) {
    for (Arrow arrow : {Arrow::Up, Arrow::Down, Arrow::Left, Arrow::Right}) {
      const int to = game::neighbourCell(cell, arrow);
      if (game::roleOf(cell) == game::CellRole::Solution) {
        EXPECT_EQ(to, -1) << cell;
      } else if (to >= 0) {
        EXPECT_NE(game::roleOf(to), game::CellRole::Solution) << cell << " leads to " << to;
        EXPECT_EQ(game::neighbourCell(to, static_cast<Arrow>(static_cast<int>(arrow) ^ 1)), cell)
            << "the opposite arrow leads back from " << to;
      }
    }
  }
}

}  // namespace
