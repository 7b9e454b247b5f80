// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the board's cells stand on the game window; the help pictures draw the same board.

#include <array>

#include "game/board.h"

namespace ui {

struct CellPlace {
  int left;
  int top;
};

constexpr int kCellWidth = 80;
constexpr int kCellHeight = 54;

constexpr std::array<CellPlace, game::kCellCount> kCellPlaces = {{
    {42, 74},                                        // 0: falling diagonal target
    {146, 171}, {258, 171}, {370, 171}, {482, 171},  // 1-3 solution, 4 target
    {146, 255}, {258, 255}, {370, 255}, {482, 255},  // 5-7 solution, 8 target
    {146, 356}, {258, 356}, {370, 356}, {482, 356},  // 9-11 solution, 12 target
    {146, 444}, {258, 444}, {370, 444},              // 13-15 column targets
    {482, 83},                                       // 16: rising diagonal target
    {146, 171}, {258, 171}, {370, 171},              // 17-25 player cells
    {146, 256}, {258, 256}, {370, 256},
    {146, 357}, {258, 357}, {370, 357},
}};

struct Segment {
  int x1;
  int y1;
  int x2;
  int y2;
};

// The thin rules along the diagonals, Line1 to Line9.
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

// The etched rules along rows and columns, Separator1 to Separator18.
constexpr std::array<Box, 18> kStraightRules = {{
    {229, 185, 24, 2}, {338, 190, 24, 2}, {453, 195, 24, 2},
    {229, 279, 24, 2}, {336, 279, 24, 2}, {453, 279, 24, 2},
    {229, 376, 24, 2}, {338, 376, 24, 2}, {453, 376, 24, 2},
    {183, 224, 8, 22}, {292, 224, 8, 22}, {401, 224, 8, 22},
    {183, 313, 8, 22}, {292, 313, 8, 22}, {401, 313, 8, 22},
    {183, 410, 8, 22}, {292, 410, 8, 22}, {401, 410, 8, 22},
}};

}  // namespace ui
