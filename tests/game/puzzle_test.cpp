// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/game.h"
#include "scripted_shuffler.h"

namespace {

using game::Mode;

struct Puzzle {
  const char* name;
  Mode mode;
  std::vector<int> digits;             // in reading order
  std::array<const char*, 8> targets;  // rows, columns, falling and rising diagonal
  int maximum;
};
void PrintTo(const Puzzle& p, std::ostream* out) { *out << p.name; }

class Puzzles : public testing::TestWithParam<Puzzle> {};

TEST_P(Puzzles, ShowTheirTargetsAndCostFourPointsPerEasyOne) {
  testing_support::ScriptedShuffler shuffler;
  game::Game g;
  g.mode = GetParam().mode;
  shuffler.next(GetParam().digits);
  game::startPuzzle(g, shuffler);
  for (int line = 0; line < game::kLineCount; ++line) EXPECT_EQ(g.targets[line], GetParam().targets[line]) << line;
  EXPECT_EQ(g.maximumScore, GetParam().maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Game, Puzzles,
    testing::Values(
        Puzzle{"NoEasySum", Mode::Standard, {5, 3, 8, 1, 9, 2, 4, 7, 6},
               {"16", "12", "17", "10", "19", "16", "20", "21"}, 100},
        Puzzle{"SixOnARowAndTwentyFourOnAnother", Mode::Standard, {1, 2, 3, 4, 5, 6, 7, 8, 9},
               {"6", "15", "24", "12", "15", "18", "15", "15"}, 92},
        Puzzle{"TwentyThreeIsNotEasy", Mode::Standard, {6, 8, 9, 1, 3, 5, 2, 4, 7},
               {"23", "9", "13", "9", "15", "21", "16", "14"}, 100},
        Puzzle{"SevenOnAColumn", Mode::Standard, {1, 5, 9, 2, 6, 8, 4, 3, 7},
               {"15", "16", "14", "7", "14", "24", "14", "19"}, 92},
        Puzzle{"SixOnTheRisingDiagonal", Mode::Standard, {5, 6, 1, 8, 2, 9, 3, 4, 7},
               {"12", "19", "14", "16", "12", "17", "14", "6"}, 96},
        Puzzle{"FiveHundredFourOnAColumn", Mode::Expert, {1, 7, 3, 4, 8, 5, 6, 9, 2},
               {"21", "160", "108", "24", "504", "30", "16", "144"}, 96},
        Puzzle{"FourteenIsNotEasy", Mode::Expert, {1, 2, 7, 3, 4, 5, 6, 8, 9},
               {"14", "60", "432", "18", "64", "315", "36", "168"}, 100},
        Puzzle{"TenOnTheRisingDiagonal", Mode::Expert, {9, 4, 1, 7, 2, 3, 5, 6, 8},
               {"36", "42", "240", "315", "48", "24", "144", "10"}, 96},
        Puzzle{"EightOnARow", Mode::Expert, {1, 2, 4, 3, 5, 6, 7, 8, 9},
               {"8", "90", "504", "21", "80", "216", "45", "140"}, 92}),
    [](const testing::TestParamInfo<Puzzle>& info) { return std::string(info.param.name); });

// Over many random puzzles of each mode: an arrangement of 1 to 9 whose
// targets agree with it, and the plain and the lowered maxima both turn up.
TEST(Game, RandomPuzzlesAreArrangementsOfTheNineDigits) {
  for (Mode mode : {Mode::Standard, Mode::Expert}) {
    game::RandomShuffler shuffler(7);
    game::Game g;
    g.mode = mode;
    std::set<int> maxima;
    for (int round = 0; round < 400; ++round) {
      game::startPuzzle(g, shuffler);
      std::array<int, 9> sorted = g.solution;
      std::sort(sorted.begin(), sorted.end());
      ASSERT_EQ(sorted, (std::array<int, 9>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
      for (int line = 0; line < game::kLineCount; ++line) {
        int value = mode == Mode::Standard ? 0 : 1;
        for (int square : game::kLines[line].squares) {
          value = mode == Mode::Standard ? value + g.solution[square] : value * g.solution[square];
        }
        ASSERT_EQ(g.targets[line], std::to_string(value));
      }
      maxima.insert(g.maximumScore);
    }
    EXPECT_TRUE(maxima.count(100) && maxima.count(96));
    EXPECT_TRUE(std::all_of(maxima.begin(), maxima.end(), [](int m) { return m == 100 || m == 96 || m == 92; }));
  }
}

TEST(Game, ANewPuzzleLeavesNothingOfTheGameBefore) {
  testing_support::ScriptedShuffler shuffler;
  game::Game g;
  shuffler.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
  game::startPuzzle(g, shuffler);
  game::buy(g, 0, shuffler);
  game::buy(g, 1, shuffler);
  game::typeInto(g, game::squareCell(8), "x");
  game::finish(g);
  g.clockFrozen = true;
  g.maximumScore = -7;

  shuffler.next({5, 3, 8, 1, 9, 2, 4, 7, 6});
  game::startPuzzle(g, shuffler);
  EXPECT_EQ(g.squares, decltype(g.squares){});
  EXPECT_TRUE(g.purchases.empty());
  EXPECT_EQ(g.usableBuyButtons, 1);
  EXPECT_FALSE(g.chosenBuyButton);
  EXPECT_FALSE(g.score);
  EXPECT_EQ(g.maximumScore, 100);
  EXPECT_TRUE(g.clockRunning && g.canFinish);
  EXPECT_TRUE(g.clockFrozen);  // "Static Version" is the player's, not the game's
  EXPECT_EQ(g.solution, (std::array<int, 9>{5, 3, 8, 1, 9, 2, 4, 7, 6}));
}

}  // namespace
