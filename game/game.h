// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The game handlers of the game window. They work on the window's controls
// and on the purchase record of the current game.

#include <array>
#include <string>

#include "framework/controls.h"
#include "framework/list_box.h"
#include "framework/shuffle.h"
#include "framework/timer.h"
#include "game/board.h"
#include "game/window10_controls.h"

namespace game {

class Game {
public:
  Game(const Window10Controls& controls, fw::Shuffle& shuffle);

  // Paints the player cells white again.
  void clearit();
  // A press in any cell is left to the cell itself.
  bool Puzzle_MouseDown(int x, int y);

  // "Start": a new puzzle of the current mode.
  void PushButton1_Action();
  // "Done": blanks wrong digits, stops the clock and shows the player's score.
  void PushButton2_Action();
  // The game clock: a point less every tick, and the game-over dialog below 1.
  void Timer1_Action();
  // The buy buttons, at 5, 15, 15 and 15 points.
  void RadioButton1_Action();
  void RadioButton2_Action();
  void RadioButton3_Action();
  void RadioButton4_Action();
  // The modes: sums ("standard") and products ("expert").
  void RadioButton5_Action();
  void RadioButton6_Action();
  // The product calculator.
  void PopupMenu1_Change();
  void PopupMenu2_Change();
  void PopupMenu3_Change();

  // Forgets the purchases of the current game.
  void resetPurchases();

  // Player cells filled by buying in this game: "," and the cell index per purchase.
  std::string helpstring;
  // Purchase state of each buy button: count1 is 0 until bought, then 1;
  // count2..count4 are 1 until bought, then their button's number.
  int count2 = 1;
  int count3 = 1;
  int count4 = 1;
  int count1 = 0;

private:
  struct Purchase;
  void buy(const Purchase& purchase);
  bool isValidArrangement() const;
  // The sum (standard mode) or product of the numbers in three cells, left to right.
  double lineValue(const std::array<int, 3>& cells, bool standardMode) const;
  void lowerMaximumForEasyTargets(bool standardMode);
  void lowerMaximum(double points);
  void showGameOver();
  void emptyPlayerCells();
  void emptyTargetCells();
  void recomputeProduct();

  const Window10Controls& c_;
  fw::Shuffle& shuffle_;
  bool gameOverShowing_ = false;
};

}  // namespace game
