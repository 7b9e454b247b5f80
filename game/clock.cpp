// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

// The game clock: every 12 seconds the maximum possible score falls by a point.

#include "framework/application.h"
#include "framework/message_dialog.h"
#include "framework/text.h"
#include "game/game.h"

namespace game {

void Game::Timer1_Action() {
  // Ticks keep coming while the game-over dialog waits: one dialog is enough.
  if (gameOverShowing_) return;
  if (c_.CheckBox1->value()) return;
  const double maximum = fw::textToNumber(c_.StaticText2->text());
  if (maximum > 0) {
    c_.StaticText2->setText(fw::numberToText(maximum - 1));
    return;
  }
  showGameOver();
}

void Game::showGameOver() {
  fw::MessageDialog dialog;
  dialog.icon = fw::MessageDialog::Icon::Note;
  dialog.actionCaption = "Quit";
  dialog.cancelVisible = false;
  dialog.alternateVisible = true;
  dialog.alternateCaption = "Play Again";
  dialog.message = "The game is over.";
  dialog.explanation = "You can quit or play again. ";

  gameOverShowing_ = true;
  const fw::MessageDialog::Button chosen = dialog.showModal();
  gameOverShowing_ = false;

  switch (chosen) {
    case fw::MessageDialog::Button::Action: fw::quitApplication(0); break;
    case fw::MessageDialog::Button::Alternate: c_.PushButton1->push(); break;
    case fw::MessageDialog::Button::Cancel: break;
  }
}

}  // namespace game
