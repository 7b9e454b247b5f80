#pragma once
// The game handlers of the game window. They work on the window's controls
// and on the purchase record of the current game.

#include <array>
#include <string>

#include "framework/controls.h"
#include "framework/shuffle.h"
#include "framework/timer.h"
#include "game/board.h"

namespace game {

// The controls the game handlers read and write; the game window owns them.
struct GameControls {
  std::array<fw::EditField*, kCellCount> Puzzle{};
  fw::PushButton* PushButton1 = nullptr;  // "Start"
  fw::PushButton* PushButton2 = nullptr;  // "Done"
  fw::StaticText* StaticText2 = nullptr;  // maximum possible score
  fw::StaticText* StaticText4 = nullptr;  // the player's score
  fw::Timer* Timer1 = nullptr;            // the game clock
  std::array<fw::RadioButton*, 4> buyButtons{};  // RadioButton1 to RadioButton4
  fw::RadioButton* RadioButton5 = nullptr;  // "standard"; off means expert
};

class Game {
public:
  Game(const GameControls& controls, fw::Shuffle& shuffle);

  // Paints the player cells white again.
  void clearit();
  // A press in any cell is left to the cell itself.
  bool Puzzle_MouseDown(int x, int y);
  // "Start": a new puzzle of the current mode.
  void PushButton1_Action();

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
  void lowerMaximumForEasyTargets(bool standardMode);
  void lowerMaximum(double points);

  GameControls c_;
  fw::Shuffle& shuffle_;
};

}  // namespace game
