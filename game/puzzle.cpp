// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// A new puzzle, and the points off for targets that give their line away.

#include <algorithm>
#include <numeric>

#include "game/game.h"

namespace game {

namespace {

constexpr int kEasyTargetCost = 4;

// Targets that only one set of three digits makes, so that they give their line away.
constexpr std::array kEasySums = {6, 7, 24};
constexpr std::array kEasyProducts = {6, 8, 10, 504};

bool isEasy(Mode mode, int target) {
  const auto has = [target](const auto& values) { return std::find(values.begin(), values.end(), target) != values.end(); };
  return mode == Mode::Standard ? has(kEasySums) : has(kEasyProducts);
}

}  // namespace

void startPuzzle(Game& game, Shuffler& shuffler) {
  game.squares = {};
  game.purchases.clear();
  game.usableBuyButtons = 1;
  game.chosenBuyButton.reset();
  game.maximumScore = kFullMaximum;
  game.score.reset();
  game.clockRunning = true;
  game.canFinish = true;

  std::vector<int> digits(kSquareCount);
  std::iota(digits.begin(), digits.end(), 1);
  shuffler.shuffle(digits);
  std::copy(digits.begin(), digits.end(), game.solution.begin());

  for (int line = 0; line < kLineCount; ++line) {
    const int target = game.targetOf(line);
    game.targets[static_cast<std::size_t>(line)] = std::to_string(target);
    // Each easy value comes from one set of digits, and two lines share one
    // square at most, so no easy value stands on two lines: it costs once.
    if (isEasy(game.mode, target)) game.maximumScore -= kEasyTargetCost;
  }
}

}  // namespace game
