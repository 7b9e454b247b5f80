// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(NaturalCompare, OrdersNumbersByValueAndLettersWithoutCase) {
  EXPECT_LT(scores::naturalCompare("9", "87"), 0);
  EXPECT_LT(scores::naturalCompare("87", "100"), 0);
  EXPECT_GT(scores::naturalCompare("100", "9"), 0);
  EXPECT_EQ(scores::naturalCompare("007", "7"), 0);
  EXPECT_EQ(scores::naturalCompare("ann", "ANN"), 0);
  EXPECT_LT(scores::naturalCompare("ann", "Bob"), 0);
  EXPECT_LT(scores::naturalCompare("Player 9", "player 10"), 0);
  EXPECT_LT(scores::naturalCompare("", "a"), 0);
  EXPECT_LT(scores::naturalCompare("Ann", "Anna"), 0);
  EXPECT_GT(scores::naturalCompare("b", "A"), 0);
  const std::string huge(400, '9');
  EXPECT_GT(scores::naturalCompare(huge, "1" + std::string(398, '0')), 0);
}

TEST(NaturalCompare, AMinusSignInFrontOfDigitsMakesANegativeNumber) {
  std::vector<std::string> scores = {"5", "-1", "0", "-10", "11", "-2", "-5"};
  std::stable_sort(scores.begin(), scores.end(),
                   [](const std::string& a, const std::string& b) { return scores::naturalCompare(a, b) < 0; });
  EXPECT_EQ(scores, (std::vector<std::string>{"-10", "-5", "-2", "-1", "0", "5", "11"}));
  EXPECT_EQ(scores::naturalCompare("-0", "0"), 0);
  EXPECT_LT(scores::naturalCompare(" -3 ", " 2 "), 0);
  // A hyphen after a letter or digit is no sign.
  EXPECT_LT(scores::naturalCompare("Ann-2", "Ann-10"), 0);
  EXPECT_LT(scores::naturalCompare("3-4", "3-10"), 0);
}

}  // namespace

// Sorting compares keys instead of texts: for any two texts with keys, the
// keys' byte order is the natural order, also where minus signs, hyphens,
// leading zeros and long numbers meet.
TEST(NaturalKey, OrdersAsTheTextsDo) {
  std::mt19937 random(7);
  const std::string alphabet = "-0019aB .\xE9";
  const auto text = [&] {
    std::string made(random() % 7, ' ');
    for (char& c : made) c = alphabet[random() % alphabet.size()];
    if (random() % 8 == 0) made += std::string(12, '7');  // a count of digits beyond one byte's worth
    return made;
  };
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string a = text();
    const std::string b = text();
    std::string keyA;
    std::string keyB;
    if (!scores::appendNaturalKey(a, keyA) || !scores::appendNaturalKey(b, keyB)) {
      EXPECT_TRUE(keyA.empty() || keyB.empty());
      continue;
    }
    ASSERT_EQ(sign(keyA.compare(keyB)), sign(scores::naturalCompare(a, b))) << '"' << a << "\" \"" << b << '"';
    ++compared;
  }
  EXPECT_GT(compared, 10000);
  std::string key;
  EXPECT_FALSE(scores::appendNaturalKey("x -00", key));  // zero against numbers, a minus sign against text
  EXPECT_TRUE(key.empty());
}
