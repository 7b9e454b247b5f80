// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "game/game.h"
#include "scripted_shuffler.h"

namespace {

class Finishing : public testing::Test {
protected:
  void start(std::vector<int> digits, game::Mode mode = game::Mode::Standard) {
    g.mode = mode;
    shuffler.next(std::move(digits));
    game::startPuzzle(g, shuffler);
  }
  void type(const std::array<const char*, 9>& texts) {
    for (int square = 0; square < game::kSquareCount; ++square) game::typeInto(g, game::squareCell(square), texts[square]);
  }

  testing_support::ScriptedShuffler shuffler;
  game::Game g;
};

struct Scaled {
  int maximum;
  int correct;
  int score;
};
void PrintTo(const Scaled& s, std::ostream* out) { *out << s.maximum << " with " << s.correct << " correct"; }

class Scores : public Finishing, public testing::WithParamInterface<Scaled> {};

TEST_P(Scores, AreTheMaximumTimesTheShareOfRightDigits) {
  start({2, 9, 4, 7, 5, 3, 6, 1, 8});
  g.maximumScore = GetParam().maximum;
  for (int square = 0; square < GetParam().correct; ++square) g.squares[square] = std::to_string(g.solution[square]);
  game::finish(g);
  EXPECT_EQ(g.score, GetParam().score);
  EXPECT_EQ(g.maximumScore, GetParam().maximum);
}

std::vector<Scaled> scaledScores() {
  const std::vector<std::pair<int, std::array<int, 10>>> table = {
      {100, {0, 11, 22, 33, 44, 56, 67, 78, 89, 100}},
      {96, {0, 11, 21, 32, 43, 53, 64, 75, 85, 96}},
      {-5, {0, -1, -1, -2, -2, -3, -3, -4, -4, -5}},
  };
  std::vector<Scaled> cases;
  for (const auto& [maximum, scores] : table) {
    for (int correct = 0; correct <= 9; ++correct) cases.push_back({maximum, correct, scores[correct]});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Game, Scores, testing::ValuesIn(scaledScores()));

TEST_F(Finishing, ComparesWholeTextsBlanksWrongDigitsAndEndsTheGame) {
  start({2, 9, 4, 7, 5, 3, 6, 1, 8});
  g.purchases.push_back({0, 0});
  type({"02", " 9", "4 ", "seven", "5", "", "6", "1", "8"});
  game::finish(g);
  EXPECT_EQ(g.squares, (std::array<std::string, 9>{"", "", "", "", "5", "", "6", "1", "8"}));
  EXPECT_EQ(g.score, 44);
  EXPECT_FALSE(g.clockRunning);
  EXPECT_FALSE(g.canFinish);
  EXPECT_EQ(g.buyerOf(0), 0);  // a blanked bought square keeps its colour
  EXPECT_EQ(g.targets[0], "15");
}

struct Arrangement {
  const char* name;
  game::Mode mode;
  std::vector<int> answer;
  std::array<const char*, 9> typed;
  bool switchedBackAndForth;
  int score;
};
void PrintTo(const Arrangement& a, std::ostream* out) { *out << a.name; }

class Arrangements : public Finishing, public testing::WithParamInterface<Arrangement> {};

// Another arrangement that meets every target shown counts as fully right;
// one that misses a target, or whose targets are gone, is compared square by square.
TEST_P(Arrangements, CountAsRightOnlyWhenTheyMeetEveryTargetShown) {
  const Arrangement& a = GetParam();
  start(a.answer, a.mode);
  if (a.switchedBackAndForth) {
    const game::Mode other = a.mode == game::Mode::Standard ? game::Mode::Expert : game::Mode::Standard;
    game::switchMode(g, other);
    game::switchMode(g, a.mode);
  }
  type(a.typed);
  game::finish(g);
  EXPECT_EQ(g.score, a.score);
}

// 2 7 6 / 9 5 1 / 4 3 8 is a magic square: its mirror image meets the same sums.
INSTANTIATE_TEST_SUITE_P(
    Game, Arrangements,
    testing::Values(Arrangement{"MirroredMagicSquare", game::Mode::Standard, {2, 7, 6, 9, 5, 1, 4, 3, 8},
                                {"6", "7", "2", "1", "5", "9", "8", "3", "4"}, false, 100},
                    // Nine 5s meet every sum, but are no arrangement of 1 to 9: only the middle one is right.
                    Arrangement{"OneDigitRepeated", game::Mode::Standard, {2, 7, 6, 9, 5, 1, 4, 3, 8},
                                {"5", "5", "5", "5", "5", "5", "5", "5", "5"}, false, 11},
                    Arrangement{"AllButTheFallingDiagonal", game::Mode::Standard, {2, 7, 6, 9, 5, 1, 4, 3, 8},
                                {"1", "6", "8", "9", "2", "4", "5", "7", "3"}, false, 11},
                    Arrangement{"TargetsGoneWithASwitch", game::Mode::Standard, {2, 7, 6, 9, 5, 1, 4, 3, 8},
                                {"6", "7", "2", "1", "5", "9", "8", "3", "4"}, true, 33},
                    // Row 1 makes 10, which costs 4 points of the maximum.
                    Arrangement{"ExpertProducts", game::Mode::Expert, {1, 2, 5, 6, 7, 3, 9, 4, 8},
                                {"2", "1", "5", "3", "7", "6", "9", "8", "4"}, false, 96}),
    [](const testing::TestParamInfo<Arrangement>& info) { return std::string(info.param.name); });

TEST_F(Finishing, AnEditedTargetStopsAnotherArrangementFromCounting) {
  start({2, 7, 6, 9, 5, 1, 4, 3, 8});
  game::typeInto(g, game::targetCell(0), "15 ");
  type({"6", "7", "2", "1", "5", "9", "8", "3", "4"});
  game::finish(g);
  EXPECT_EQ(g.score, 33);
}

}  // namespace
