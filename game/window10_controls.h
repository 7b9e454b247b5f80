// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game window's controls, declared once under their layout names. The
// window makes them and fills these in; the game and score handlers work on
// them through this one declaration.

#include <array>

#include "framework/controls.h"
#include "framework/list_box.h"
#include "framework/timer.h"
#include "game/board.h"

namespace game {

struct Window10Controls {
  std::array<fw::EditField*, kCellCount> Puzzle{};  // the board's cells, by index
  fw::PushButton* PushButton1 = nullptr;  // "Start"
  fw::PushButton* PushButton2 = nullptr;  // "Done"
  fw::PushButton* PushButton3 = nullptr;  // "HELP", captioned after the mode
  fw::PushButton* PushButton4 = nullptr;  // "Quit"
  fw::PushButton* PushButton5 = nullptr;  // "Score"
  fw::PushButton* PushButton6 = nullptr;  // "Record"
  fw::StaticText* StaticText1 = nullptr;  // "Maximum Possible Score:"
  fw::StaticText* StaticText2 = nullptr;  // the maximum possible score
  fw::StaticText* StaticText3 = nullptr;  // "Your Score:"
  fw::StaticText* StaticText4 = nullptr;  // the player's score
  fw::StaticText* StaticText5 = nullptr;  // "Scores"
  fw::StaticText* StaticText6 = nullptr;  // "Name"
  fw::StaticText* StaticText7 = nullptr;  // the calculator's first "X"
  fw::StaticText* StaticText8 = nullptr;  // its second "X"
  fw::StaticText* StaticText9 = nullptr;  // its "="
  fw::StaticText* StaticText10 = nullptr;  // the calculator's product
  fw::StaticText* StaticText11 = nullptr;  // the mode of the score list shown
  fw::Timer* Timer1 = nullptr;             // the game clock
  fw::RadioButton* RadioButton1 = nullptr;  // the buy buttons, at 5, 15, 15 and 15 points
  fw::RadioButton* RadioButton2 = nullptr;
  fw::RadioButton* RadioButton3 = nullptr;
  fw::RadioButton* RadioButton4 = nullptr;
  fw::RadioButton* RadioButton5 = nullptr;  // "standard"; off means expert
  fw::RadioButton* RadioButton6 = nullptr;  // "expert"
  fw::EditField* EditField1 = nullptr;      // the player's name
  fw::ListBox* ListBox1 = nullptr;          // standard scores
  fw::ListBox* ListBox2 = nullptr;          // expert scores
  fw::PopupMenu* PopupMenu1 = nullptr;      // the calculator's three factors
  fw::PopupMenu* PopupMenu2 = nullptr;
  fw::PopupMenu* PopupMenu3 = nullptr;
  fw::CheckBox* CheckBox1 = nullptr;  // "Static Version": the clock costs nothing

  // The same controls taken in their groups, in order.
  std::array<fw::RadioButton*, 4> buyButtons() const { return {RadioButton1, RadioButton2, RadioButton3, RadioButton4}; }
  std::array<fw::PopupMenu*, 3> factors() const { return {PopupMenu1, PopupMenu2, PopupMenu3}; }
  std::array<fw::StaticText*, 3> signs() const { return {StaticText7, StaticText8, StaticText9}; }
};

}  // namespace game
