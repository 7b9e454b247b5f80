// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <functional>
#include <set>

#include "framework/text.h"
#include "game/board.h"
#include "game_fixture.h"

namespace {

using testing_support::GameWindowTest;

// How many of the mode's easy values stand in some target cell.
int easyValuesShown(bool standard, const std::function<std::string(int)>& cell) {
  const std::vector<std::string> easy = standard ? std::vector<std::string>{"6", "7", "24"}
                                                 : std::vector<std::string>{"6", "8", "10", "504"};
  int found = 0;
  for (const std::string& value : easy) {
    for (const game::Line& line : game::kLines) {
      if (cell(line.targetCell) == value) {
        ++found;
        break;
      }
    }
  }
  return found;
}

class StartTest : public GameWindowTest {
protected:
  // Over many random puzzles: a permutation, targets that agree with it, and
  // 4 points off for every easy value shown.
  void checkManyStarts(bool standard) {
    std::set<std::string> maxima;
    for (int round = 0; round < 400; ++round) {
      start();
      std::vector<int> digits;
      for (int cell : game::kSolutionCells) digits.push_back(static_cast<int>(fw::textToNumber(this->cell(cell))));
      std::vector<int> sorted = digits;
      std::sort(sorted.begin(), sorted.end());
      ASSERT_EQ(sorted, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
      for (const game::Line& line : game::kLines) {
        int target = standard ? 0 : 1;
        for (int c : line.solutionCells) {
          const int digit = static_cast<int>(fw::textToNumber(this->cell(c)));
          target = standard ? target + digit : target * digit;
        }
        ASSERT_EQ(this->cell(line.targetCell), std::to_string(target)) << line.name;
      }
      const int easy = easyValuesShown(standard, [this](int c) { return this->cell(c); });
      ASSERT_EQ(maximum(), std::to_string(100 - 4 * easy));
      maxima.insert(maximum());
    }
    // Random puzzles hit the plain and the reduced maxima alike.
    EXPECT_TRUE(maxima.count("100"));
    EXPECT_TRUE(maxima.count("96"));
  }
};

TEST_F(StartTest, StandardPuzzlesAreSumsWithFourPointsOffPerEasyTarget) { checkManyStarts(true); }

TEST_F(StartTest, ExpertPuzzlesAreProductsWithFourPointsOffPerEasyTarget) {
  chooseExpert();
  checkManyStarts(false);
}

TEST_F(StartTest, DigitsFillTheSolutionCellsInReadingOrder) {
  shuffle.next({5, 3, 8, 1, 9, 2, 4, 7, 6});
  start();
  const std::vector<std::string> expected = {"5", "3", "8", "1", "9", "2", "4", "7", "6"};
  for (std::size_t k = 0; k < 9; ++k) EXPECT_EQ(cell(game::kSolutionCells[k]), expected[k]);
  // rows 16, 12, 17; columns 10, 19, 16; diagonals 5+9+6, 4+9+8
  for (auto [target, value] : std::vector<std::pair<int, const char*>>{
           {4, "16"}, {8, "12"}, {12, "17"}, {13, "10"}, {14, "19"}, {15, "16"}, {0, "20"}, {16, "21"}}) {
    EXPECT_EQ(cell(target), value) << "target cell " << target;
  }
  EXPECT_EQ(maximum(), "100");
}

TEST_F(StartTest, EasySumsInTheGroupAndTheSingleTestsEachCostFourPoints) {
  shuffle.next({1, 2, 3, 4, 5, 6, 7, 8, 9});  // row 1 sums to 6, row 3 to 24
  start();
  EXPECT_EQ(cell(4), "6");
  EXPECT_EQ(cell(12), "24");
  EXPECT_EQ(maximum(), "92");
}

TEST_F(StartTest, TwentyThreeIsNotAnEasySum) {
  shuffle.next({6, 8, 9, 1, 3, 5, 2, 4, 7});  // row 1: 6+8+9
  start();
  EXPECT_EQ(cell(4), "23");
  EXPECT_EQ(maximum(), "100");
}

TEST_F(StartTest, EasySumOnARisingDiagonalIsFoundByTheGroupTest) {
  shuffle.next({5, 6, 1, 8, 2, 9, 3, 4, 7});  // rising diagonal 3+2+1
  start();
  EXPECT_EQ(cell(16), "6");
  EXPECT_EQ(maximum(), "96");
}

TEST_F(StartTest, FiveHundredFourInColumnTwoCostsFourPoints) {
  chooseExpert();
  shuffle.next({1, 7, 3, 4, 8, 5, 6, 9, 2});  // column 2: 7x8x9
  start();
  EXPECT_EQ(cell(14), "504");
  EXPECT_EQ(maximum(), "96");
}

TEST_F(StartTest, ExpertProductsOnRowsAndTheRisingDiagonal) {
  chooseExpert();
  shuffle.next({1, 2, 7, 3, 4, 5, 6, 8, 9});  // row 1: 1x2x7
  start();
  EXPECT_EQ(cell(4), "14");
  EXPECT_EQ(maximum(), "100");

  shuffle.next({9, 4, 1, 7, 2, 3, 5, 6, 8});  // rising diagonal 5x2x1 = 10, column 1: 9x7x5
  start();
  EXPECT_EQ(cell(16), "10");
  EXPECT_EQ(maximum(), "96");
}

TEST_F(StartTest, ResetsEverythingOfTheGameBefore) {
  start();
  window->game().helpstring = ",21,17";
  window->game().count1 = 1;
  window->game().count2 = 2;
  window->game().count3 = 3;
  window->game().count4 = 4;
  for (int c = 17; c <= 25; ++c) type(c, "x");
  window->Puzzle[21]->setBackgroundColor(0x66FFFF);
  window->Puzzle[17]->setBackgroundColor(0xFF8000);
  window->RadioButton3->setEnabled(true);
  window->RadioButton4->setEnabled(true);
  window->RadioButton3->setValue(true);
  window->PushButton2->setEnabled(false);
  window->StaticText2->setText("-7");
  window->StaticText4->setText("42");
  window->Timer1->setMode(fw::Timer::Mode::Off);
  window->CheckBox1->setValue(true);

  startWith({2, 9, 4, 7, 5, 3, 6, 1, 8});  // no target gives its line away

  for (int c = 17; c <= 25; ++c) {
    EXPECT_EQ(cell(c), "");
    EXPECT_EQ(window->Puzzle[static_cast<std::size_t>(c)]->backgroundColor(), 0xFFFFFFu);
  }
  for (fw::RadioButton* b : {window->RadioButton1, window->RadioButton2, window->RadioButton3, window->RadioButton4}) {
    EXPECT_FALSE(b->value()) << b->name();
  }
  EXPECT_TRUE(window->RadioButton1->enabled());
  EXPECT_FALSE(window->RadioButton2->enabled());
  EXPECT_FALSE(window->RadioButton3->enabled());
  EXPECT_FALSE(window->RadioButton4->enabled());
  EXPECT_EQ(window->game().helpstring, "");
  EXPECT_EQ(window->game().count1, 0);
  EXPECT_EQ(window->game().count2, 1);
  EXPECT_EQ(window->game().count3, 1);
  EXPECT_EQ(window->game().count4, 1);
  EXPECT_TRUE(window->PushButton2->enabled());
  EXPECT_EQ(window->StaticText4->text(), "");
  EXPECT_EQ(maximum(), "100");
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Repeating);
  EXPECT_TRUE(window->CheckBox1->value());
  EXPECT_TRUE(window->RadioButton5->value());
}

TEST_F(StartTest, LeavesTheModeAndTargetCellColoursAlone) {
  chooseExpert();
  start();
  EXPECT_TRUE(window->RadioButton6->value());
  EXPECT_FALSE(window->RadioButton5->value());
  for (const game::Line& line : game::kLines) {
    EXPECT_EQ(window->Puzzle[static_cast<std::size_t>(line.targetCell)]->backgroundColor(), 0xFFFFFFu);
  }
}

TEST(Board, PairsAndLinesAgreeWithTheGrid) {
  // Each player cell's solution cell lies in its row and column; two lines share at most one place.
  for (std::size_t k = 0; k < 9; ++k) {
    const int row = static_cast<int>(k) / 3;
    const int column = static_cast<int>(k) % 3;
    EXPECT_EQ(game::kPlayerCells[k], 17 + 3 * row + column);
    EXPECT_EQ(game::kSolutionCells[k], 1 + 4 * row + column);
  }
  for (const game::Line& a : game::kLines) {
    for (const game::Line& b : game::kLines) {
      if (&a == &b) continue;
      int shared = 0;
      for (int c : a.playerCells) shared += static_cast<int>(std::count(b.playerCells.begin(), b.playerCells.end(), c));
      EXPECT_LE(shared, 1) << a.name << " / " << b.name;
    }
    for (std::size_t i = 0; i < 3; ++i) {
      const auto k = static_cast<std::size_t>(std::find(game::kSolutionCells.begin(), game::kSolutionCells.end(),
                                                        a.solutionCells[i]) - game::kSolutionCells.begin());
      EXPECT_EQ(a.playerCells[i], game::kPlayerCells[k]) << a.name;
    }
  }
}

}  // namespace
