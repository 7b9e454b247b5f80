// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// "Start": a new puzzle of the current mode, and the points off for targets
// that give their line away.

#include <vector>

#include "framework/text.h"
#include "game/game.h"

namespace game {

namespace {

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

}  // namespace game
