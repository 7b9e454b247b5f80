// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <limits>

namespace {

TEST(TextToNumber, ReadsTheLeadingNumberAndIgnoresTheRest) {
  EXPECT_EQ(fw::textToNumber("100"), 100);
  EXPECT_EQ(fw::textToNumber("05"), 5);
  EXPECT_EQ(fw::textToNumber("3abc"), 3);
  EXPECT_EQ(fw::textToNumber("  7"), 7);
  EXPECT_EQ(fw::textToNumber("7 "), 7);
  EXPECT_EQ(fw::textToNumber("-5"), -5);
  EXPECT_EQ(fw::textToNumber("+12"), 12);
  EXPECT_EQ(fw::textToNumber("2.75"), 2.75);
  EXPECT_EQ(fw::textToNumber(".5"), 0.5);
  EXPECT_EQ(fw::textToNumber("4."), 4);
  EXPECT_EQ(fw::textToNumber("1,000"), 1);
  EXPECT_EQ(fw::textToNumber("12345678901234567890"), 12345678901234567890.0);
}

TEST(TextToNumber, GivesZeroWhenTheTextBeginsWithNoNumber) {
  for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "x5", "--5", "inf", "nan"}) {
    EXPECT_EQ(fw::textToNumber(text), 0) << '"' << text << '"';
  }
  EXPECT_EQ(fw::textToNumber("0x1F"), 0);
}

TEST(TextToNumber, HugeDigitStringsStayFinite) {
  const std::string huge(400, '9');
  EXPECT_EQ(fw::textToNumber(huge), std::numeric_limits<double>::max());
  EXPECT_EQ(fw::textToNumber("-" + huge), -std::numeric_limits<double>::max());
}

TEST(NumberToText, WritesIntegerTextWithASignOnlyWhenNegative) {
  EXPECT_EQ(fw::numberToText(100), "100");
  EXPECT_EQ(fw::numberToText(0), "0");
  EXPECT_EQ(fw::numberToText(-0.0), "0");
  EXPECT_EQ(fw::numberToText(-2), "-2");
  EXPECT_EQ(fw::numberToText(504), "504");
  EXPECT_EQ(fw::numberToText(1e15), "1000000000000000");
  EXPECT_EQ(fw::numberToText(-1e20), "-100000000000000000000");
  EXPECT_EQ(fw::numberToText(88.6), "89");
  EXPECT_EQ(fw::numberToText(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(fw::numberToText(std::numeric_limits<double>::infinity()).size(), 309u);
}

TEST(NumberText, RoundTripsTheMaximumScoreThroughEveryValueItTakes) {
  for (int value = -200; value <= 200; ++value) {
    EXPECT_EQ(fw::textToNumber(fw::numberToText(value)), value);
  }
}

TEST(NthField, CountsFieldsFromOneAndIsEmptyWhenAbsent) {
  EXPECT_EQ(fw::nthField("3*1*4", "*", 1), "3");
  EXPECT_EQ(fw::nthField("3*1*4", "*", 3), "4");
  EXPECT_EQ(fw::nthField("3*1*4", "*", 4), "");
  EXPECT_EQ(fw::nthField("3*1*4", "*", 0), "");
  EXPECT_EQ(fw::nthField("Ann", ",", 1), "Ann");
  EXPECT_EQ(fw::nthField("Ann", ",", 2), "");
  EXPECT_EQ(fw::nthField("Ann,", ",", 2), "");
  EXPECT_EQ(fw::nthField(",87", ",", 1), "");
  EXPECT_EQ(fw::nthField("a,b,c", ",", 2), "b");
  EXPECT_EQ(fw::nthField(" Ann , 87 ", ",", 2), " 87 ");
  EXPECT_EQ(fw::nthField("a::b", "::", 2), "b");
  EXPECT_EQ(fw::nthField("", ",", 1), "");
}

TEST(PositionOf, CountsFromOneAndGivesZeroWhenAbsent) {
  EXPECT_EQ(fw::positionOf(",21,17", "21"), 2);
  EXPECT_EQ(fw::positionOf(",21,17", "17"), 5);
  EXPECT_EQ(fw::positionOf(",21,17", "25"), 0);
  EXPECT_EQ(fw::positionOf("", "17"), 0);
}

TEST(TextEquals, IgnoresLetterCaseButNothingElse) {
  EXPECT_TRUE(fw::textEquals("", ""));
  EXPECT_TRUE(fw::textEquals("5", "5"));
  EXPECT_TRUE(fw::textEquals("abc", "ABC"));
  EXPECT_TRUE(fw::textEquals("\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"));  // été, ÉTÉ
  EXPECT_FALSE(fw::textEquals("5", "05"));
  EXPECT_FALSE(fw::textEquals("5", " 5"));
  EXPECT_FALSE(fw::textEquals("5", "5 "));
  EXPECT_FALSE(fw::textEquals("", " "));
}

TEST(RoundToNearest, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(fw::roundToNearest(88.888), 89);
  EXPECT_EQ(fw::roundToNearest(55.5), 56);
  EXPECT_EQ(fw::roundToNearest(-0.555), -1);
  EXPECT_EQ(fw::roundToNearest(-2.5), -3);
  EXPECT_EQ(fw::roundToNearest(4.4), 4);
}

}  // namespace

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
