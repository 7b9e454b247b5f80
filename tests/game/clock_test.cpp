// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "game/game.h"

namespace {

using game::Tick;

struct Period {
  const char* name;
  int maximum;
  bool running;
  bool frozen;
  Tick outcome;
  int maximumAfter;
};
void PrintTo(const Period& p, std::ostream* out) { *out << p.name; }

class Periods : public testing::TestWithParam<Period> {};

TEST_P(Periods, TakeAPointWhileThereIsOneThenEndTheGame) {
  game::Game g;
  g.maximumScore = GetParam().maximum;
  g.clockRunning = GetParam().running;
  g.clockFrozen = GetParam().frozen;
  EXPECT_EQ(game::tick(g), GetParam().outcome);
  EXPECT_EQ(g.maximumScore, GetParam().maximumAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Game, Periods,
    testing::Values(Period{"Full", 100, true, false, Tick::PointLost, 99},
                    Period{"LastPoint", 1, true, false, Tick::PointLost, 0},
                    Period{"Zero", 0, true, false, Tick::GameOver, 0},
                    Period{"BelowZeroAfterAPurchase", -2, true, false, Tick::GameOver, -2},
                    Period{"Frozen", 40, true, true, Tick::Nothing, 40},
                    Period{"FrozenAtZero", 0, true, true, Tick::Nothing, 0},
                    Period{"Stopped", 40, false, false, Tick::Nothing, 40}),
    [](const testing::TestParamInfo<Period>& info) { return std::string(info.param.name); });

// A full game's clock: 0 after a hundred periods, the end at the next.
TEST(Game, TheEndComesAtTheTickAfterTheMaximumReachesZero) {
  game::Game g;
  g.clockRunning = true;
  for (int period = 1; period <= 100; ++period) ASSERT_EQ(game::tick(g), Tick::PointLost) << period;
  EXPECT_EQ(g.maximumScore, 0);
  EXPECT_EQ(game::tick(g), Tick::GameOver);
}

}  // namespace
