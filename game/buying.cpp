// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// Buying a digit: the answer's digit in a random empty square, for points.

#include <algorithm>
#include <numeric>

#include "game/game.h"

namespace game {

namespace {

bool boughtBefore(const Game& game, int square) {
  return std::any_of(game.purchases.begin(), game.purchases.end(),
                     [square](const Purchase& p) { return p.square == square; });
}

}  // namespace

void buy(Game& game, int button, Shuffler& shuffler) {
  const BuyButton& rules = kBuyButtons[static_cast<std::size_t>(button)];
  game.chosenBuyButton = button;
  // A button that has bought its digit places nothing more, and costs nothing, when chosen again.
  if (!game.bought(button)) {
    std::vector<int> squares(kSquareCount);
    std::iota(squares.begin(), squares.end(), 0);
    shuffler.shuffle(squares);
    for (int square : squares) {
      if (rules.skipsBoughtSquares && boughtBefore(game, square)) continue;
      std::string& shown = game.squares[static_cast<std::size_t>(square)];
      if (!shown.empty()) continue;
      // Before the first puzzle the answer has no digit yet: the square stays empty.
      const int digit = game.solution[static_cast<std::size_t>(square)];
      shown = digit == 0 ? "" : std::to_string(digit);
      game.purchases.push_back({square, button});
      game.maximumScore -= rules.cost;
      break;
    }
  }
  // This button and the one after it, at least, can now be used.
  const int usable = button + 2;
  game.usableBuyButtons = std::max(game.usableBuyButtons, std::min(usable, static_cast<int>(kBuyButtons.size())));
}

}  // namespace game
