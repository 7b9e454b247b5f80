// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "game/game.h"

#include <vector>

#include "framework/text.h"

namespace game {

namespace {

constexpr fw::Color kWhite = 0xFFFFFF;
constexpr double kEasyTargetCost = 4;

// Targets that give their line away: each comes from one set of three digits only.
struct EasyTargets {
  std::vector<const char*> values;
  std::vector<int> groupCells;   // tested together: one reduction if any matches
  std::vector<int> singleCells;  // tested one by one
};

const EasyTargets kEasySums = {{"6", "7", "24"}, {0, 16, 4, 8}, {12, 13, 14, 15}};
const EasyTargets kEasyProducts = {{"6", "8", "10", "504"}, {0, 4, 8}, {12, 13, 14, 15, 16}};

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

void Game::PushButton1_Action() {
  clearit();
  c_.Timer1->setMode(fw::Timer::Mode::Repeating);
  c_.PushButton2->setEnabled(true);
  for (fw::RadioButton* button : c_.buyButtons()) button->setValue(false);
  for (std::size_t i = 1; i < c_.buyButtons().size(); ++i) c_.buyButtons()[i]->setEnabled(false);
  resetPurchases();
  emptyPlayerCells();
  c_.StaticText2->setText("100");
  c_.StaticText4->setText("");

  std::vector<int> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  shuffle_.shuffle(digits);
  std::string digitText;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0) digitText += "*";
    digitText += fw::numberToText(digits[i]);
  }
  for (std::size_t k = 0; k < kSolutionCells.size(); ++k) {
    c_.Puzzle[kSolutionCells[k]]->setText(fw::nthField(digitText, "*", static_cast<int>(k) + 1));
  }

  const bool standardMode = c_.RadioButton5->value();
  for (const Line& line : kLines) {
    c_.Puzzle[line.targetCell]->setText(fw::numberToText(lineValue(line.solutionCells, standardMode)));
  }
  lowerMaximumForEasyTargets(standardMode);
}

double Game::lineValue(const std::array<int, 3>& cells, bool standardMode) const {
  double value = standardMode ? 0 : 1;
  for (int cell : cells) {
    const double number = fw::textToNumber(c_.Puzzle[static_cast<std::size_t>(cell)]->text());
    value = standardMode ? value + number : value * number;
  }
  return value;
}

void Game::lowerMaximumForEasyTargets(bool standardMode) {
  const EasyTargets& easy = standardMode ? kEasySums : kEasyProducts;
  const auto shows = [this](int cell, const char* value) { return fw::textEquals(c_.Puzzle[cell]->text(), value); };
  for (const char* value : easy.values) {
    bool inGroup = false;
    for (int cell : easy.groupCells) inGroup = inGroup || shows(cell, value);
    if (inGroup) lowerMaximum(kEasyTargetCost);
    for (int cell : easy.singleCells) {
      if (shows(cell, value)) lowerMaximum(kEasyTargetCost);
    }
  }
}

void Game::lowerMaximum(double points) {
  c_.StaticText2->setText(fw::numberToText(fw::textToNumber(c_.StaticText2->text()) - points));
}

}  // namespace game
