// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "game/game.h"
#include "scripted_shuffler.h"

namespace {

class Buying : public testing::Test {
protected:
  void SetUp() override {
    shuffler.next({2, 9, 4, 7, 5, 3, 6, 1, 8});
    game::startPuzzle(g, shuffler);
  }
  // The order in which the next purchase tries the squares.
  void tries(std::vector<int> squares) { shuffler.next(std::move(squares)); }
  void fillAllBut(int empty) {
    for (int square = 0; square < game::kSquareCount; ++square) g.squares[square] = square == empty ? "" : "x";
  }

  testing_support::ScriptedShuffler shuffler;
  game::Game g;
};

TEST_F(Buying, FourPurchasesInTurnCostFiftyAndEachUnlocksTheNextButton) {
  struct Step {
    int button;
    std::vector<int> tries;
    int square;
    const char* digit;
    int maximum;
  };
  const Step steps[] = {
      {0, {4, 0, 1, 2, 3, 5, 6, 7, 8}, 4, "5", 95},
      {1, {4, 0, 1, 2, 3, 5, 6, 7, 8}, 0, "2", 80},
      {2, {8, 7, 6, 5, 4, 3, 2, 1, 0}, 8, "8", 65},
      {3, {4, 8, 0, 6, 2, 1, 3, 5, 7}, 6, "6", 50},
  };
  for (const Step& step : steps) {
    tries(step.tries);
    game::buy(g, step.button, shuffler);
    EXPECT_EQ(g.squares[step.square], step.digit) << "button " << step.button;
    EXPECT_EQ(g.buyerOf(step.square), step.button);
    EXPECT_EQ(g.maximumScore, step.maximum);
    EXPECT_EQ(g.usableBuyButtons, std::min(step.button + 2, 4));
    EXPECT_EQ(g.chosenBuyButton, step.button);
  }
  EXPECT_EQ(g.purchases.size(), 4u);
}

TEST_F(Buying, AFullBoardBuysNothingAndChargesNothingButUnlocksTheNextButton) {
  fillAllBut(-1);
  game::buy(g, 0, shuffler);
  EXPECT_EQ(g.maximumScore, 100);
  EXPECT_TRUE(g.purchases.empty());
  EXPECT_FALSE(g.bought(0));
  EXPECT_EQ(g.usableBuyButtons, 2);
}

TEST_F(Buying, TheOnlyEmptySquareIsTheOneFilledWhateverTheShuffle) {
  for (int round = 0; round < 20; ++round) {
    fillAllBut(6);
    g.purchases.clear();
    game::buy(g, 0, shuffler);
    EXPECT_EQ(g.squares[6], "6");
  }
}

class LaterButtons : public Buying, public testing::WithParamInterface<int> {};

// Buttons 2 to 4 never refill a square bought before, even once it is empty again.
TEST_P(LaterButtons, SkipAnErasedBoughtSquare) {
  fillAllBut(7);
  game::buy(g, 0, shuffler);
  ASSERT_EQ(g.squares[7], "1");
  game::typeInto(g, game::squareCell(7), "");
  for (int later = 1; later <= GetParam(); ++later) game::buy(g, later, shuffler);
  EXPECT_EQ(g.squares[7], "");
  EXPECT_EQ(g.purchases.size(), 1u);
  EXPECT_EQ(g.maximumScore, 95);
  EXPECT_EQ(g.usableBuyButtons, std::min(GetParam() + 2, 4));
}

INSTANTIATE_TEST_SUITE_P(Game, LaterButtons, testing::Values(1, 2, 3));

// The first button never looks at what was bought: while it has bought
// nothing itself, it may refill a square another button bought.
TEST_F(Buying, TheFirstButtonMayRefillABoughtSquare) {
  fillAllBut(5);
  g.squares[5] = "x";
  game::buy(g, 0, shuffler);
  g.squares[5] = "";
  game::buy(g, 1, shuffler);
  EXPECT_EQ(g.buyerOf(5), 1);
  g.squares[5] = "";
  game::buy(g, 0, shuffler);
  EXPECT_EQ(g.squares[5], "3");
  EXPECT_EQ(g.buyerOf(5), 0);
  EXPECT_EQ(g.maximumScore, 80);
}

TEST_F(Buying, ChoosingABoughtButtonAgainPlacesNothingAndCostsNothing) {
  game::buy(g, 0, shuffler);
  game::buy(g, 1, shuffler);
  game::buy(g, 0, shuffler);
  EXPECT_EQ(g.maximumScore, 80);
  EXPECT_EQ(g.purchases.size(), 2u);
  EXPECT_EQ(g.chosenBuyButton, 0);
}

TEST_F(Buying, APurchaseCopiesTheAnswerOfTheSquareAfterAModeSwitchAndBeforeAnyPuzzle) {
  game::switchMode(g, game::Mode::Expert);
  tries({8, 0, 1, 2, 3, 4, 5, 6, 7});
  game::buy(g, 0, shuffler);
  EXPECT_EQ(g.squares[8], "8");

  // Before the first puzzle the answer has no digits: the square is bought, and stays empty.
  game::Game fresh;
  tries({2, 0, 1, 3, 4, 5, 6, 7, 8});
  game::buy(fresh, 0, shuffler);
  EXPECT_EQ(fresh.squares[2], "");
  EXPECT_EQ(fresh.buyerOf(2), 0);
  EXPECT_EQ(fresh.maximumScore, 95);
  EXPECT_EQ(fresh.usableBuyButtons, 2);
}

}  // namespace
