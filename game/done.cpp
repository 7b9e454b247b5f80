// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// "Done": compares the player's digits with the solution.

#include <algorithm>

#include "framework/text.h"
#include "game/game.h"

namespace game {

// Some puzzles have more than one answer: any arrangement of 1 to 9 that meets
// all eight targets still on the board is as right as the hidden one.
bool Game::isValidArrangement() const {
  std::string digits;
  for (int cell : kPlayerCells) {
    const std::string text = c_.Puzzle[cell]->text();
    if (text.size() != 1) return false;
    digits += text;
  }
  std::sort(digits.begin(), digits.end());
  if (digits != "123456789") return false;

  const bool standardMode = c_.RadioButton5->value();
  return std::all_of(kLines.begin(), kLines.end(), [&](const Line& line) {
    const double target = lineValue(line.solutionCells, standardMode);
    return lineValue(line.playerCells, standardMode) == target &&
           c_.Puzzle[line.targetCell]->text() == fw::numberToText(target);
  });
}

void Game::PushButton2_Action() {
  int correct = 0;
  if (isValidArrangement()) {
    correct = 9;
  } else {
    for (std::size_t k = 0; k < kPlayerCells.size(); ++k) {
      fw::EditField* player = c_.Puzzle[kPlayerCells[k]];
      if (fw::textEquals(c_.Puzzle[kSolutionCells[k]]->text(), player->text())) {
        ++correct;
      } else {
        player->setText("");
      }
    }
  }
  c_.Timer1->setMode(fw::Timer::Mode::Off);
  const double maximum = fw::textToNumber(c_.StaticText2->text());
  const double score = fw::roundToNearest(maximum * static_cast<double>(correct) / 9.0);
  c_.StaticText4->setText(fw::numberToText(score));
  c_.PushButton2->setEnabled(false);
}

}  // namespace game
