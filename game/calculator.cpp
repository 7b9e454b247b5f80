// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The product calculator of the expert mode: three digits multiplied.

#include "framework/text.h"
#include "game/game.h"

namespace game {

void Game::PopupMenu1_Change() { recomputeProduct(); }
void Game::PopupMenu2_Change() { recomputeProduct(); }
void Game::PopupMenu3_Change() { recomputeProduct(); }

void Game::recomputeProduct() {
  // "#" means no factor chosen yet: the last product stays.
  for (const fw::PopupMenu* menu : c_.factors()) {
    if (fw::textEquals(menu->text(), "#")) return;
  }
  double product = 1;
  for (const fw::PopupMenu* menu : c_.factors()) product *= fw::textToNumber(menu->text());
  c_.StaticText10->setText(fw::numberToText(product));
}

}  // namespace game
