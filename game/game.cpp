// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game/game.h"

#include <vector>

#include "framework/text.h"

namespace game {

namespace {

constexpr fw::Color kWhite = 0xFFFFFF;

}  // namespace

Game::Game(const Window10Controls& controls, fw::Shuffle& shuffle) : c_(controls), shuffle_(shuffle) {}

void Game::clearit() {
  for (int cell = kFirstPlayerCell; cell <= kLastPlayerCell; ++cell) c_.Puzzle[cell]->setBackgroundColor(kWhite);
}

bool Game::Puzzle_MouseDown(int, int) { return false; }

void Game::emptyPlayerCells() {
  for (int cell = kFirstPlayerCell; cell <= kLastPlayerCell; ++cell) c_.Puzzle[cell]->setText("");
}

void Game::resetPurchases() {
  helpstring.clear();
  count1 = 0;
  count2 = 1;
  count3 = 1;
  count4 = 1;
}

double Game::lineValue(const std::array<int, 3>& cells, bool standardMode) const {
  double value = standardMode ? 0 : 1;
  for (int cell : cells) {
    const double number = fw::textToNumber(c_.Puzzle[static_cast<std::size_t>(cell)]->text());
    value = standardMode ? value + number : value * number;
  }
  return value;
}

void Game::lowerMaximum(double points) {
  c_.StaticText2->setText(fw::numberToText(fw::textToNumber(c_.StaticText2->text()) - points));
}

}  // namespace game
