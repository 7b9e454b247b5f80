// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Buying a digit: the right digit in a random empty player cell, for points.

#include <vector>

#include "framework/text.h"
#include "game/game.h"

namespace game {

struct Game::Purchase {
  int Game::*state;  // count1 to count4
  int available;
  int bought;
  bool skipsBoughtCells;  // buttons 2 to 4 never refill a cell bought before
  double cost;
  fw::Color color;
  std::size_t button;  // 0 to 3: RadioButton1 to RadioButton4
};

namespace {

constexpr double kFirstCost = 5;
constexpr double kLaterCost = 15;

}  // namespace

void Game::RadioButton1_Action() { buy({&Game::count1, 0, 1, false, kFirstCost, 0x66FFFF, 0}); }
void Game::RadioButton2_Action() { buy({&Game::count2, 1, 2, true, kLaterCost, 0x66FF66, 1}); }
void Game::RadioButton3_Action() { buy({&Game::count3, 1, 3, true, kLaterCost, 0xFFFF66, 2}); }
void Game::RadioButton4_Action() { buy({&Game::count4, 1, 4, true, kLaterCost, 0xFF8000, 3}); }

void Game::buy(const Purchase& p) {
  int& state = this->*p.state;
  bool placed = false;
  if (state == p.available) {
    std::vector<int> cells(kPlayerCells.begin(), kPlayerCells.end());
    shuffle_.shuffle(cells);
    for (std::size_t position = 0; state == p.available && position < cells.size(); ++position) {
      const int cell = cells[position];
      const std::string index = fw::numberToText(cell);
      if (p.skipsBoughtCells && fw::positionOf(helpstring, index) != 0) continue;
      fw::EditField* player = c_.Puzzle[static_cast<std::size_t>(cell)];
      if (!fw::textEquals(player->text(), "")) continue;

      const std::size_t k = static_cast<std::size_t>(cell - kFirstPlayerCell);
      player->setText(c_.Puzzle[kSolutionCells[k]]->text());
      player->setBackgroundColor(p.color);
      helpstring += "," + index;
      state = p.bought;
      placed = true;
    }
  }
  if (p.button + 1 < c_.buyButtons().size()) c_.buyButtons()[p.button + 1]->setEnabled(true);
  // Only a purchase that placed a digit costs points: choosing a used button again is free.
  if (placed) lowerMaximum(p.cost);
}

}  // namespace game
