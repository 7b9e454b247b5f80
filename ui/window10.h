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
#include "scores/score_lists.h"

class Window10 final : public fw::Window {
public:
  // The window is made with its layout, opened and shown. helpCommand shows
  // the help window of the current mode.
  explicit Window10(fw::Shuffle& shuffle, std::function<void()> helpCommand = {});
  ~Window10() override;

  game::Game& game() { return *game_; }

  // Controls keep their layout names.
  std::array<fw::EditField*, game::kCellCount> Puzzle{};
  fw::PushButton* PushButton1 = nullptr;
  fw::PushButton* PushButton2 = nullptr;
  fw::PushButton* PushButton3 = nullptr;
  fw::PushButton* PushButton4 = nullptr;
  fw::PushButton* PushButton5 = nullptr;
  fw::PushButton* PushButton6 = nullptr;
  fw::StaticText* StaticText1 = nullptr;
  fw::StaticText* StaticText2 = nullptr;
  fw::StaticText* StaticText3 = nullptr;
  fw::StaticText* StaticText4 = nullptr;
  fw::StaticText* StaticText5 = nullptr;
  fw::StaticText* StaticText6 = nullptr;
  fw::StaticText* StaticText7 = nullptr;
  fw::StaticText* StaticText8 = nullptr;
  fw::StaticText* StaticText9 = nullptr;
  fw::StaticText* StaticText10 = nullptr;
  fw::StaticText* StaticText11 = nullptr;
  fw::Timer* Timer1 = nullptr;
  fw::RadioButton* RadioButton1 = nullptr;
  fw::RadioButton* RadioButton2 = nullptr;
  fw::RadioButton* RadioButton3 = nullptr;
  fw::RadioButton* RadioButton4 = nullptr;
  fw::RadioButton* RadioButton5 = nullptr;
  fw::RadioButton* RadioButton6 = nullptr;
  fw::EditField* EditField1 = nullptr;
  fw::ListBox* ListBox1 = nullptr;
  fw::ListBox* ListBox2 = nullptr;
  fw::PopupMenu* PopupMenu1 = nullptr;
  fw::PopupMenu* PopupMenu2 = nullptr;
  fw::PopupMenu* PopupMenu3 = nullptr;
  fw::CheckBox* CheckBox1 = nullptr;

  // "HELP".
  void PushButton3_Action();
  // "Quit".
  void PushButton4_Action();

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
  game::GameControls gameControls() const;
  scores::ScoreControls scoreControls() const;

  std::unique_ptr<game::Game> game_;
  std::unique_ptr<scores::ScoreLists> scores_;
  std::function<void()> helpCommand_;
};
