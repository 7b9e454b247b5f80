// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the board stands on the game window; the help pictures draw the same board.

#include <array>
#include <optional>
#include <string>

#include "framework/window/widgets.h"
#include "game/board.h"

namespace ui {

constexpr int kCellWidth = 80;
constexpr int kCellHeight = 54;

struct CellPlace {
  game::Cell cell;
  int left;
  int top;
};

// The visible cells and their places: the grid, then the targets from the
// falling diagonal's at the top left round to the rising diagonal's at the top right.
constexpr std::array<CellPlace, game::kSquareCount + game::kLineCount> kCellPlaces = {{
    {game::squareCell(0), 146, 171}, {game::squareCell(1), 258, 171}, {game::squareCell(2), 370, 171},
    {game::squareCell(3), 146, 256}, {game::squareCell(4), 258, 256}, {game::squareCell(5), 370, 256},
    {game::squareCell(6), 146, 357}, {game::squareCell(7), 258, 357}, {game::squareCell(8), 370, 357},
    {game::targetCell(6), 42, 74},                                      // falling diagonal
    {game::targetCell(0), 482, 171}, {game::targetCell(1), 482, 255}, {game::targetCell(2), 482, 356},  // rows
    {game::targetCell(3), 146, 444}, {game::targetCell(4), 258, 444}, {game::targetCell(5), 370, 444},  // columns
    {game::targetCell(7), 482, 83},                                     // rising diagonal
}};

struct Segment {
  int x1;
  int y1;
  int x2;
  int y2;
};

// The thin rules along the diagonals.
constexpr std::array<Segment, 9> kDiagonalRules = {{
    {219, 352, 256, 313}, {341, 254, 368, 223}, {341, 254, 368, 223},
    {453, 170, 480, 139}, {336, 258, 367, 224}, {453, 170, 483, 137},
    {338, 313, 367, 347}, {229, 224, 256, 256}, {122, 129, 144, 161},
}};

struct Box {
  int left;
  int top;
  int width;
  int height;
};

// The etched rules along the rows and down the columns.
constexpr std::array<Box, 18> kStraightRules = {{
    {229, 185, 24, 2}, {338, 190, 24, 2}, {453, 195, 24, 2},
    {229, 279, 24, 2}, {336, 279, 24, 2}, {453, 279, 24, 2},
    {229, 376, 24, 2}, {338, 376, 24, 2}, {453, 376, 24, 2},
    {183, 224, 8, 22}, {292, 224, 8, 22}, {401, 224, 8, 22},
    {183, 313, 8, 22}, {292, 313, 8, 22}, {401, 313, 8, 22},
    {183, 410, 8, 22}, {292, 410, 8, 22}, {401, 410, 8, 22},
}};

// The visible cells as they are read: the board's rows from the top, each from the left.
std::array<game::Cell, kCellPlaces.size()> cellsInReadingOrder();

// What a screen reader says for a cell, e.g. "row 2, column 3" or "target of column 1".
std::string spokenNameOf(game::Cell cell);
// A line's name in the player's language: "row 1", "falling diagonal".
std::string spokenLineName(int line);

// The cell an arrow key leads to: the nearest one in that direction in the
// same row or column of the board's 5 x 5 places, or none.
std::optional<game::Cell> neighbourOf(game::Cell cell, fw::Arrow arrow);

}  // namespace ui
