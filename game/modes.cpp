// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Standard (sums) and expert (products) modes: a switch empties the board and
// changes what the window offers.

#include "game/game.h"

namespace game {

namespace {

// The order in which a switch empties the targets.
constexpr std::array<int, 8> kTargetsToEmpty = {0, 16, 4, 8, 12, 15, 14, 13};

}  // namespace

void Game::emptyTargetCells() {
  for (int cell : kTargetsToEmpty) c_.Puzzle[cell]->setText("");
}

void Game::RadioButton5_Action() {
  emptyPlayerCells();
  for (fw::PopupMenu* menu : c_.factors()) menu->setVisible(false);
  const auto signs = c_.signs();
  for (auto sign = signs.rbegin(); sign != signs.rend(); ++sign) (*sign)->setVisible(false);
  c_.StaticText11->setText("standard");
  c_.ListBox2->setVisible(false);
  c_.ListBox1->setVisible(true);
  c_.StaticText10->setText("");
  emptyTargetCells();
  c_.PushButton3->setCaption("HELP");
}

void Game::RadioButton6_Action() {
  emptyPlayerCells();
  for (fw::PopupMenu* menu : c_.factors()) menu->setVisible(true);
  const auto signs = c_.signs();
  for (auto sign = signs.rbegin(); sign != signs.rend(); ++sign) (*sign)->setVisible(true);
  c_.StaticText11->setText("expert");
  c_.ListBox1->setVisible(false);
  c_.ListBox2->setVisible(true);
  emptyTargetCells();
  c_.PushButton3->setCaption("ExpHelp");
}

}  // namespace game
