// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(NaturalCompare, OrdersNumbersByValueAndLettersWithoutCase) {
  EXPECT_LT(fw::naturalCompare("9", "87"), 0);
  EXPECT_LT(fw::naturalCompare("87", "100"), 0);
  EXPECT_GT(fw::naturalCompare("100", "9"), 0);
  EXPECT_EQ(fw::naturalCompare("007", "7"), 0);
  EXPECT_EQ(fw::naturalCompare("ann", "ANN"), 0);
  EXPECT_LT(fw::naturalCompare("ann", "Bob"), 0);
  EXPECT_LT(fw::naturalCompare("Player 9", "player 10"), 0);
  EXPECT_LT(fw::naturalCompare("", "a"), 0);
  EXPECT_LT(fw::naturalCompare("Ann", "Anna"), 0);
  EXPECT_GT(fw::naturalCompare("b", "A"), 0);
  const std::string huge(400, '9');
  EXPECT_GT(fw::naturalCompare(huge, "1" + std::string(398, '0')), 0);
}

TEST(NaturalCompare, AMinusSignInFrontOfDigitsMakesANegativeNumber) {
  std::vector<std::string> scores = {"5", "-1", "0", "-10", "11", "-2", "-5"};
  std::stable_sort(scores.begin(), scores.end(),
                   [](const std::string& a, const std::string& b) { return fw::naturalCompare(a, b) < 0; });
  EXPECT_EQ(scores, (std::vector<std::string>{"-10", "-5", "-2", "-1", "0", "5", "11"}));
  EXPECT_EQ(fw::naturalCompare("-0", "0"), 0);
  EXPECT_LT(fw::naturalCompare(" -3 ", " 2 "), 0);
  // A hyphen after a letter or digit is no sign.
  EXPECT_LT(fw::naturalCompare("Ann-2", "Ann-10"), 0);
  EXPECT_LT(fw::naturalCompare("3-4", "3-10"), 0);
}

}  // namespace
