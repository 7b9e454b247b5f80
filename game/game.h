// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A game of Veltrano as plain values, and the rules that change it. The
// windows draw a Game and turn the player's input into these calls.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/shuffler.h"

namespace game {

// Targets are the sums of their lines in the standard mode, the products in the expert mode.
enum class Mode { Standard, Expert };

// The maximum possible score of a new puzzle, before points come off for easy targets.
constexpr int kFullMaximum = 100;
// The game clock takes a point every so many seconds.
constexpr int kSecondsPerPoint = 12;

// The buy buttons, in the order they unlock: each use of one unlocks the next.
struct BuyButton {
  int cost;                 // in points
  bool skipsBoughtSquares;  // never refills a square bought before in this game
};
constexpr std::array<BuyButton, 4> kBuyButtons = {{{5, false}, {15, true}, {15, true}, {15, true}}};

struct Purchase {
  int square;
  int button;
};

struct Game {
  Mode mode = Mode::Standard;
  // The hidden answer, digit by square; 0 before the first puzzle.
  std::array<int, kSquareCount> solution{};
  // What each cell shows: whatever was typed there, a bought digit, a target.
  std::array<std::string, kSquareCount> squares;
  std::array<std::string, kLineCount> targets;

  // The squares bought in this game, in order, each with its buy button.
  std::vector<Purchase> purchases;
  // The first so many buy buttons can be used.
  int usableBuyButtons = 1;
  // The buy button last chosen in this game, shown as chosen.
  std::optional<int> chosenBuyButton;

  int maximumScore = kFullMaximum;
  std::optional<int> score;  // once Done has counted the digits
  bool clockRunning = false;
  bool clockFrozen = false;  // "Static Version": ticks cost nothing
  bool canFinish = false;    // Done can be pressed once a puzzle

  // The calculator of the expert mode: three factors (0 while one is not
  // chosen) and the last product of all three, until a switch to the standard mode.
  std::array<int, 3> factors{};
  std::optional<int> product;

  // The target of a line in the current mode: its value in the answer.
  int targetOf(int line) const;
  // The buy button whose purchase filled the square last in this game, if any.
  std::optional<int> buyerOf(int square) const;
  bool bought(int button) const;
  const std::string& shown(Cell cell) const;
};

// The value of a line of digits (in reading order): their sum in the
// standard mode, their product in the expert mode.
int lineValue(const std::array<int, kSquareCount>& digits, const Line& line, Mode mode);

// A new puzzle of the current mode: a random answer, its eight targets, and
// four points off the maximum for each target that gives its line away. The
// clock starts, and nothing of the game before is left.
void startPuzzle(Game& game, Shuffler& shuffler);

// The player's text in a cell, as typed: any text at all.
void typeInto(Game& game, Cell cell, std::string text);

// A buy button's use: the answer's digit in a random empty square, for the
// button's cost, when the button has not bought one yet; the next button
// unlocks either way.
void buy(Game& game, int button, Shuffler& shuffler);

enum class Tick { Nothing, PointLost, GameOver };
// One period of the game clock: a point off the maximum while it is above 0, then the end of the game.
Tick tick(Game& game);
// "Static Version": while frozen, the clock's periods cost nothing.
void freezeClock(Game& game, bool frozen);

// "Done": the player's digits against the answer. Wrong ones are blanked,
// the clock stops, and the score is the maximum times the share of right digits.
void finish(Game& game);

// A switch of mode empties the board; the next puzzle is of the new mode.
void switchMode(Game& game, Mode mode);

// The calculator: a factor chosen (0 for none); the product shows once all three are.
void chooseFactor(Game& game, int factor, int digit);

}  // namespace game
