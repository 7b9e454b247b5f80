// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "game/game.h"
#include "scripted_shuffler.h"

namespace {

using game::Mode;

TEST(Game, ASwitchEmptiesTheBoardAndKeepsTheRestOfTheGame) {
  testing_support::ScriptedShuffler shuffler;
  game::Game g;
  shuffler.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
  game::startPuzzle(g, shuffler);
  game::buy(g, 0, shuffler);
  game::typeInto(g, game::squareCell(1), "9");
  game::tick(g);
  const game::Game before = g;

  game::switchMode(g, Mode::Expert);
  EXPECT_EQ(g.mode, Mode::Expert);
  EXPECT_EQ(g.squares, decltype(g.squares){});
  EXPECT_EQ(g.targets, decltype(g.targets){});
  EXPECT_EQ(g.solution, before.solution);
  EXPECT_EQ(g.maximumScore, 94);
  EXPECT_EQ(g.purchases.size(), 1u);
  EXPECT_EQ(g.usableBuyButtons, 2);
  EXPECT_TRUE(g.clockRunning && g.canFinish);
  EXPECT_EQ(game::tick(g), game::Tick::PointLost);
}

TEST(Game, ChoosingTheModeAlreadyOnLeavesTheGameAlone) {
  game::Game g;
  g.squares[0] = "4";
  g.targets[0] = "15";
  g.product = 24;
  for (Mode mode : {Mode::Standard, Mode::Expert}) {
    g.mode = mode;
    game::switchMode(g, mode);
    EXPECT_EQ(g.squares[0], "4");
    EXPECT_EQ(g.targets[0], "15");
    EXPECT_EQ(g.product, 24);
  }
}

// The calculator: factors 0 stand for none chosen.
TEST(Game, TheCalculatorMultipliesOnceAllThreeFactorsAreChosenAndKeepsTheLastProduct) {
  struct Choice {
    int factor;
    int digit;
    std::optional<int> product;
  };
  const Choice choices[] = {{2, 9, {}}, {0, 7, {}}, {1, 8, 504}, {0, 1, 72}, {1, 0, 72},
                            {2, 0, 72}, {1, 9, 72}, {2, 9, 81}, {0, 9, 729}};
  game::Game g;
  g.mode = Mode::Expert;
  for (const Choice& c : choices) {
    game::chooseFactor(g, c.factor, c.digit);
    EXPECT_EQ(g.product, c.product) << "factor " << c.factor << " = " << c.digit;
  }
  // The standard mode empties the result; the factors stay for the next switch back.
  game::switchMode(g, Mode::Standard);
  EXPECT_FALSE(g.product);
  game::switchMode(g, Mode::Expert);
  EXPECT_FALSE(g.product);
  EXPECT_EQ(g.factors, (std::array<int, 3>{9, 9, 9}));
}

}  // namespace
