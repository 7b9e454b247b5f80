// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/message_dialog.h"
#include "game_fixture.h"

namespace {

class BuyingTest : public testing_support::GameWindowTest {
protected:
  std::array<fw::RadioButton*, 4> buttons() const {
    return {window->RadioButton1, window->RadioButton2, window->RadioButton3, window->RadioButton4};
  }
  // Buys through the button as the player does.
  void buy(int number) { click(buttons()[static_cast<std::size_t>(number - 1)]); }
  fw::Color colour(int c) const { return window->Puzzle[static_cast<std::size_t>(c)]->backgroundColor(); }
  // The order in which the next purchase examines the player cells.
  void examine(std::vector<int> cells) { shuffle.next(std::move(cells)); }
};

const std::vector<int> kSolution = {2, 9, 4, 7, 5, 3, 6, 1, 8};

TEST_F(BuyingTest, FourPurchasesInTurnCostFiftyAndColourTheirCells) {
  startWith(kSolution);
  examine({21, 17, 18, 19, 20, 22, 23, 24, 25});
  buy(1);
  EXPECT_EQ(cell(21), "5");
  EXPECT_EQ(colour(21), 0x66FFFFu);
  EXPECT_EQ(maximum(), "95");
  EXPECT_EQ(window->game().helpstring, ",21");
  EXPECT_EQ(window->game().count1, 1);
  EXPECT_TRUE(window->RadioButton2->enabled());
  EXPECT_FALSE(window->RadioButton3->enabled());

  examine({21, 17, 18, 19, 20, 22, 23, 24, 25});
  buy(2);
  EXPECT_EQ(cell(17), "2");
  EXPECT_EQ(colour(17), 0x66FF66u);
  EXPECT_EQ(window->game().helpstring, ",21,17");
  EXPECT_EQ(maximum(), "80");
  EXPECT_TRUE(window->RadioButton3->enabled());
  EXPECT_FALSE(window->RadioButton4->enabled());

  examine({25, 24, 23, 22, 21, 20, 19, 18, 17});
  buy(3);
  EXPECT_EQ(cell(25), "8");
  EXPECT_EQ(colour(25), 0xFFFF66u);
  EXPECT_EQ(maximum(), "65");
  EXPECT_TRUE(window->RadioButton4->enabled());

  buy(4);
  EXPECT_EQ(maximum(), "50");
  EXPECT_EQ(window->game().count2, 2);
  EXPECT_EQ(window->game().count3, 3);
  EXPECT_EQ(window->game().count4, 4);
  int orange = 0;
  for (int c : game::kPlayerCells) orange += colour(c) == 0xFF8000u;
  EXPECT_EQ(orange, 1);
  EXPECT_EQ(window->game().helpstring.size(), 12u);
  for (std::size_t k = 0; k < 9; ++k) {
    const std::string shown = cell(game::kPlayerCells[k]);
    if (!shown.empty()) {
      EXPECT_EQ(shown, cell(game::kSolutionCells[k]));
    }
  }
}

TEST_F(BuyingTest, AFullBoardBuysNothingChargesNothingButUnlocksTheNextButton) {
  startWith(kSolution);
  for (int c : game::kPlayerCells) type(c, "x");
  buy(1);
  EXPECT_EQ(maximum(), "100");
  EXPECT_EQ(window->game().helpstring, "");
  EXPECT_EQ(window->game().count1, 0);
  EXPECT_TRUE(window->RadioButton2->enabled());
  for (int c : game::kPlayerCells) EXPECT_EQ(colour(c), 0xFFFFFFu);
}

TEST_F(BuyingTest, TheOnlyEmptyCellIsTheOneFilledWhateverTheShuffle) {
  for (int round = 0; round < 20; ++round) {
    startWith(kSolution);
    for (int c : game::kPlayerCells) type(c, c == 23 ? "" : "1");
    buy(1);
    EXPECT_EQ(cell(23), "6");
  }
}

class LaterButtons : public BuyingTest, public testing::WithParamInterface<int> {};

// Buttons 2 to 4 never refill a cell bought before, even once it is empty again.
TEST_P(LaterButtons, SkipAnErasedBoughtCell) {
  const int button = GetParam();
  startWith(kSolution);
  for (int c : game::kPlayerCells) type(c, c == 24 ? "" : "x");
  buy(1);
  ASSERT_EQ(cell(24), "1");
  type(24, "");
  for (int later = 2; later <= button; ++later) buy(later);
  EXPECT_EQ(cell(24), "");
  EXPECT_EQ(colour(24), 0x66FFFFu);
  EXPECT_EQ(window->game().helpstring, ",24");
  EXPECT_EQ(maximum(), "95");
  EXPECT_EQ((std::array{window->game().count2, window->game().count3, window->game().count4}),
            (std::array{1, 1, 1}));
  if (button < 4) {
    EXPECT_TRUE(buttons()[static_cast<std::size_t>(button)]->enabled());
  }
}

INSTANTIATE_TEST_SUITE_P(BuyingTest, LaterButtons, testing::Values(2, 3, 4));

TEST_F(BuyingTest, TheFirstButtonMayRefillABoughtCell) {
  // A first button that found nothing is still available and may refill a bought cell.
  startWith(kSolution);
  for (int c : game::kPlayerCells) type(c, "x");
  buy(1);
  type(22, "");
  window->game().helpstring = ",22";
  buy(2);  // selects another button, so selecting the first again is a new use
  buy(1);
  EXPECT_EQ(cell(22), "3");
  EXPECT_EQ(maximum(), "95");
}

TEST_F(BuyingTest, UsingABoughtButtonAgainPlacesAndChargesNothing) {
  startWith(kSolution);
  buy(1);
  buy(2);
  EXPECT_EQ(maximum(), "80");
  buy(1);
  EXPECT_EQ(maximum(), "80");
  EXPECT_EQ(window->game().helpstring.size(), 6u);
  EXPECT_TRUE(window->RadioButton2->enabled());
}

TEST_F(BuyingTest, BuyingBelowZeroEndsTheGameAtTheNextTick) {
  startWith(kSolution);
  window->StaticText2->setText("3");
  buy(1);
  EXPECT_EQ(maximum(), "-2");
  int dialogs = 0;
  fw::MessageDialog::setAnswerer([&](const fw::MessageDialog&) {
    ++dialogs;
    return fw::MessageDialog::Button::Cancel;
  });
  window->game().Timer1_Action();
  fw::MessageDialog::setAnswerer(nullptr);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(maximum(), "-2");
}

TEST_F(BuyingTest, APurchaseBeforeTheFirstStartIsUndoneByStart) {
  examine({19, 17, 18, 20, 21, 22, 23, 24, 25});
  buy(1);
  EXPECT_EQ(cell(19), "");
  EXPECT_EQ(colour(19), 0x66FFFFu);
  EXPECT_EQ(window->game().helpstring, ",19");
  EXPECT_EQ(maximum(), "95");
  EXPECT_TRUE(window->RadioButton2->enabled());

  start();
  EXPECT_EQ(colour(19), 0xFFFFFFu);
  EXPECT_EQ(window->game().helpstring, "");
  EXPECT_FALSE(window->RadioButton2->enabled());
  EXPECT_FALSE(window->RadioButton1->value());
}

TEST_F(BuyingTest, AfterAModeSwitchAPurchaseCopiesTheCurrentSolution) {
  startWith(kSolution);
  chooseExpert();
  examine({25, 17, 18, 19, 20, 21, 22, 23, 24});
  buy(1);
  EXPECT_EQ(cell(25), "8");
  EXPECT_TRUE(window->RadioButton6->value());
}

}  // namespace
