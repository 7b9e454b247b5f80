// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The standard (sums) and expert (products) modes.

#include "game/game.h"

namespace game {

void switchMode(Game& game, Mode mode) {
  // Choosing the mode already on must not wipe a game in progress.
  if (mode == game.mode) return;
  game.mode = mode;
  // The board waits for the next puzzle, of the new mode; the answer, the
  // purchases, the scores and the clock stay.
  game.squares = {};
  game.targets = {};
  if (mode == Mode::Standard) game.product.reset();
}

}  // namespace game
