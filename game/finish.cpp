// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// "Done": the player's digits against the answer.

#include <algorithm>
#include <cmath>

#include "game/game.h"

namespace game {

namespace {

// Some puzzles have more than one answer: an arrangement of 1 to 9 that
// meets every target still shown as the puzzle made it is as right as the hidden one.
bool meetsEveryTarget(const Game& game) {
  std::string shown;
  std::array<int, kSquareCount> digits{};
  for (int square = 0; square < kSquareCount; ++square) {
    const std::string& text = game.squares[static_cast<std::size_t>(square)];
    if (text.size() != 1) return false;
    shown += text;
    digits[static_cast<std::size_t>(square)] = text[0] - '0';
  }
  std::sort(shown.begin(), shown.end());
  if (shown != "123456789") return false;

  for (int line = 0; line < kLineCount; ++line) {
    const int value = lineValue(digits, kLines[static_cast<std::size_t>(line)], game.mode);
    const int target = game.targetOf(line);
    if (value != target || game.targets[static_cast<std::size_t>(line)] != std::to_string(target)) return false;
  }
  return true;
}

}  // namespace

void finish(Game& game) {
  int correct = 0;
  if (meetsEveryTarget(game)) {
    correct = kSquareCount;
  } else {
    // Whole texts are compared: " 5" or "05" is not the 5 of the answer.
    for (int square = 0; square < kSquareCount; ++square) {
      std::string& shown = game.squares[static_cast<std::size_t>(square)];
      const int digit = game.solution[static_cast<std::size_t>(square)];
      if (shown == (digit == 0 ? "" : std::to_string(digit))) {
        ++correct;
      } else {
        shown.clear();
      }
    }
  }
  game.clockRunning = false;
  game.score = static_cast<int>(std::round(game.maximumScore * static_cast<double>(correct) / kSquareCount));
  game.canFinish = false;
}

}  // namespace game
