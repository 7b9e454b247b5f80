// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/message_dialog.h"
#include "game_fixture.h"

namespace {

using testing_support::GameWindowTest;

class DoneTest : public GameWindowTest {
protected:
  void done() { window->PushButton2->push(); }
  std::string score() const { return window->StaticText4->text(); }
};

const std::vector<int> kSolution = {2, 9, 4, 7, 5, 3, 6, 1, 8};

struct Scaled {
  std::string maximum;
  int correct;
  std::string score;
};
void PrintTo(const Scaled& s, std::ostream* out) { *out << s.maximum << " with " << s.correct << " correct"; }

class DoneScores : public DoneTest, public testing::WithParamInterface<Scaled> {};

TEST_P(DoneScores, AreTheMaximumScaledByTheShareOfCorrectDigits) {
  startWith(kSolution);
  window->StaticText2->setText(GetParam().maximum);
  typeSolutionLeavingOut(9 - GetParam().correct);
  done();
  EXPECT_EQ(score(), GetParam().score);
  EXPECT_EQ(window->StaticText2->text(), GetParam().maximum);
}

std::vector<Scaled> scaledScores() {
  const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
      {"100", {"0", "11", "22", "33", "44", "56", "67", "78", "89", "100"}},
      {"96", {"0", "11", "21", "32", "43", "53", "64", "75", "85", "96"}},
      {"-5", {"0", "-1", "-1", "-2", "-2", "-3", "-3", "-4", "-4", "-5"}},
  };
  std::vector<Scaled> cases;
  for (const auto& [maximum, scores] : table) {
    for (int correct = 0; correct <= 9; ++correct) cases.push_back({maximum, correct, scores[correct]});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(DoneTest, DoneScores, testing::ValuesIn(scaledScores()));

TEST_F(DoneTest, ComparesWholeTextsAndBlanksEveryWrongCell) {
  startWith(kSolution);  // 2 9 4 / 7 5 3 / 6 1 8
  const std::vector<std::string> typed = {"02", " 9", "4 ", "seven", "5", "", "6", "1", "8"};
  for (std::size_t k = 0; k < 9; ++k) type(game::kPlayerCells[k], typed[k]);
  done();
  const std::vector<std::string> kept = {"", "", "", "", "5", "", "6", "1", "8"};
  for (std::size_t k = 0; k < 9; ++k) EXPECT_EQ(cell(game::kPlayerCells[k]), kept[k]) << "cell " << k;
  EXPECT_EQ(score(), "44");
  for (int c : game::kSolutionCells) EXPECT_FALSE(cell(c).empty());
}

TEST_F(DoneTest, StopsTheClockDisablesItselfAndKeepsColoursAndPurchases) {
  startWith(kSolution);
  click(window->RadioButton1);
  const std::string helpstring = window->game().helpstring;
  std::size_t bought = 0;
  for (std::size_t k = 0; k < 9; ++k) {
    if (!cell(game::kPlayerCells[k]).empty()) bought = k;
  }
  const int boughtCell = game::kPlayerCells[bought];
  type(boughtCell, "x");  // overwritten with a wrong digit
  done();
  EXPECT_EQ(window->Timer1->mode(), fw::Timer::Mode::Off);
  EXPECT_FALSE(window->PushButton2->enabled());
  EXPECT_EQ(cell(boughtCell), "");
  EXPECT_EQ(window->Puzzle[static_cast<std::size_t>(boughtCell)]->backgroundColor(), 0x66FFFFu);
  EXPECT_EQ(window->game().helpstring, helpstring);
  EXPECT_EQ(window->game().count1, 1);
  EXPECT_TRUE(window->RadioButton2->enabled());
}

TEST_F(DoneTest, BoughtDigitsCountAsCorrect) {
  startWith(kSolution);
  click(window->RadioButton1);
  click(window->RadioButton2);
  click(window->RadioButton3);
  click(window->RadioButton4);
  EXPECT_EQ(window->StaticText2->text(), "50");
  done();
  EXPECT_EQ(score(), "22");  // 4 of 9 at a maximum of 50
}

TEST_F(DoneTest, AnotherArrangementThatMeetsEveryTargetScoresFullMarks) {
  // 2 7 6 / 9 5 1 / 4 3 8 is a magic square: its mirror image meets the same sums.
  startWith({2, 7, 6, 9, 5, 1, 4, 3, 8});
  const std::vector<std::string> mirrored = {"6", "7", "2", "1", "5", "9", "8", "3", "4"};
  for (std::size_t k = 0; k < 9; ++k) type(game::kPlayerCells[k], mirrored[k]);
  done();
  EXPECT_EQ(score(), "100");
  for (std::size_t k = 0; k < 9; ++k) EXPECT_EQ(cell(game::kPlayerCells[k]), mirrored[k]);
}

TEST_F(DoneTest, AnArrangementMissingOneTargetIsComparedCellByCell) {
  startWith({2, 7, 6, 9, 5, 1, 4, 3, 8});
  // Every line sums to 15 but the falling diagonal, which sums to 6.
  const std::vector<std::string> almost = {"1", "6", "8", "9", "2", "4", "5", "7", "3"};
  for (std::size_t k = 0; k < 9; ++k) type(game::kPlayerCells[k], almost[k]);
  done();
  EXPECT_EQ(score(), "11");  // only the 9 stands where the hidden answer has it
  EXPECT_EQ(cell(20), "9");
  EXPECT_EQ(cell(17), "");
}

TEST_F(DoneTest, AnotherArrangementDoesNotCountOnceTheTargetsAreGone) {
  startWith({2, 7, 6, 9, 5, 1, 4, 3, 8});
  chooseExpert();
  chooseStandard();
  const std::vector<std::string> mirrored = {"6", "7", "2", "1", "5", "9", "8", "3", "4"};
  for (std::size_t k = 0; k < 9; ++k) type(game::kPlayerCells[k], mirrored[k]);
  done();
  EXPECT_EQ(score(), "33");  // 7, 5 and 3 stand where the hidden answer has them
}

TEST_F(DoneTest, ExpertAlternativeArrangementScoresFullMarks) {
  chooseExpert();
  startWith({1, 2, 5, 6, 7, 3, 9, 4, 8});
  const std::vector<std::string> other = {"2", "1", "5", "3", "7", "6", "9", "8", "4"};
  for (std::size_t k = 0; k < 9; ++k) type(game::kPlayerCells[k], other[k]);
  done();
  EXPECT_EQ(score(), window->StaticText2->text());
  EXPECT_EQ(cell(18), "1");
}

}  // namespace
