// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

namespace {

std::vector<int> digits() { return {1, 2, 3, 4, 5, 6, 7, 8, 9}; }

TEST(RandomShuffle, TheSameSeedGivesTheSameOrders) {
  fw::RandomShuffle a(42);
  fw::RandomShuffle b(42);
  for (int round = 0; round < 20; ++round) {
    std::vector<int> x = digits();
    std::vector<int> y = digits();
    a.shuffle(x);
    b.shuffle(y);
    EXPECT_EQ(x, y);
  }
}

TEST(RandomShuffle, KeepsTheValuesAndReachesManyOrders) {
  fw::RandomShuffle shuffle(7);
  std::set<std::vector<int>> seen;
  for (int round = 0; round < 2000; ++round) {
    std::vector<int> order = digits();
    shuffle.shuffle(order);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_EQ(sorted, digits());
    seen.insert(order);
  }
  // 2000 draws from 9! = 362880 orders repeat only rarely.
  EXPECT_GT(seen.size(), 1990u);
}

TEST(RandomShuffle, PutsEveryDigitInEveryPlaceEquallyOften) {
  fw::RandomShuffle shuffle(2024);
  constexpr int kRounds = 90000;
  std::array<std::array<int, 9>, 9> count{};
  for (int round = 0; round < kRounds; ++round) {
    std::vector<int> order = digits();
    shuffle.shuffle(order);
    for (std::size_t place = 0; place < 9; ++place) ++count[place][static_cast<std::size_t>(order[place] - 1)];
  }
  // Expected 10000 each; a fair shuffle stays well within 5 standard deviations (~470).
  for (const auto& place : count) {
    for (int n : place) EXPECT_NEAR(n, kRounds / 9, 500);
  }
}

TEST(RandomShuffle, SystemSeedsDifferBetweenInstances) {
  fw::RandomShuffle a;
  fw::RandomShuffle b;
  std::vector<int> x(20), y(20);
  for (int i = 0; i < 20; ++i) x[static_cast<std::size_t>(i)] = y[static_cast<std::size_t>(i)] = i;
  a.shuffle(x);
  b.shuffle(y);
  EXPECT_NE(x, y);  // 1 in 20! to fail by chance
}

}  // namespace
