// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game clock: the maximum possible score falls by a point a period.

#include "game/game.h"

namespace game {

Tick tick(Game& game) {
  if (!game.clockRunning || game.clockFrozen) return Tick::Nothing;
  if (game.maximumScore > 0) {
    --game.maximumScore;
    return Tick::PointLost;
  }
  // The clock runs on: each later tick ends the game again, until a new puzzle or Done.
  return Tick::GameOver;
}

void freezeClock(Game& game, bool frozen) { game.clockFrozen = frozen; }

}  // namespace game
