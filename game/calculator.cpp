// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The calculator of the expert mode: three digits multiplied.

#include "game/game.h"

namespace game {

void chooseFactor(Game& game, int factor, int digit) {
  game.factors[static_cast<std::size_t>(factor)] = digit;
  const auto [a, b, c] = game.factors;
  // Until all three are chosen the last product stays.
  if (a != 0 && b != 0 && c != 0) game.product = a * b * c;
}

}  // namespace game
