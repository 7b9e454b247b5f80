// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game window: the board, the score displays, the buy and mode buttons,
// the calculator and the two score lists.

#include <array>
#include <functional>
#include <memory>

#include "framework/shuffle.h"
#include "framework/window.h"
#include "game/game.h"
#include "ui/score_lists.h"

// The controls, under their layout names, are those of game::Window10Controls.
class Window10 final : public fw::Window, public game::Window10Controls {
public:
  // The window is made with its layout, opened and shown. The score lists'
  // files lie in scoresFolder; helpCommand shows the help window of the current mode.
  Window10(fw::Shuffle& shuffle, const std::string& scoresFolder, std::function<void()> helpCommand = {});
  ~Window10() override;

  game::Game& game() { return *game_; }

  // "HELP".
  void PushButton3_Action();
  // "Quit".
  void PushButton4_Action();
  // "Score": shows the name entry.
  void PushButton5_Action();
  // "Record": the name and score go to the list of the current mode.
  void PushButton6_Action();

  // Writes both score lists back; false when the player chose to go back to
  // the game after a failed save.
  bool saveScores();

protected:
  void Event_Open() override;
  // The lists are saved before the window closes, so that the player can
  // keep it open when a save fails.
  bool Event_CancelClose() override;

private:
  void makeControls();
  void makeBoard();
  void makeConnectors();
  fw::ListBox& makeScoreList(const std::string& name, fw::Rect place, const std::string& spokenName);
  // Arrow keys lead from a board cell to its visible neighbour.
  bool moveFocusFromCell(int cell, fw::Arrow arrow);

  std::unique_ptr<game::Game> game_;
  std::unique_ptr<ui::ScoreLists> scores_;
  std::function<void()> helpCommand_;
};
