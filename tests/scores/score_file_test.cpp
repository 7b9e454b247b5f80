// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_file.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows rowsOf(std::string_view bytes) {
  const fw::RowTable table = scores::parseScoreFile(bytes);
  Rows rows;
  for (std::size_t r = 0; r < table.size(); ++r) rows.emplace_back(table.cell(r, 0), table.cell(r, 1));
  return rows;
}

using Lines = std::vector<std::string>;

Lines linesOf(std::string_view text) {
  Lines lines;
  scores::forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(ForEachLine, SplitsAtLfCrlfOrALoneCr) {
  EXPECT_EQ(linesOf("Ann,87\nBob,64\n"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("Ann,87\r\nBob,64\r\n"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("Ann,87\rBob,64"), (Lines{"Ann,87", "Bob,64"}));
  EXPECT_EQ(linesOf("a\r\n\rb\n\nc"), (Lines{"a", "", "b", "", "c"}));
  EXPECT_EQ(linesOf("\n"), (Lines{""}));
  EXPECT_EQ(linesOf(""), Lines{});
}

TEST(ScoreFile, ReadsNameAndScoreByTheFirstTwoCommas) {
  EXPECT_EQ(rowsOf("Ann,87\nBob,64\n"), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
  EXPECT_EQ(rowsOf(",87\n"), (Rows{{"", "87"}}));
  EXPECT_EQ(rowsOf("Ann,87,extra,more\n"), (Rows{{"Ann", "87"}}));
  EXPECT_EQ(rowsOf(" Ann , 87 \n"), (Rows{{" Ann ", " 87 "}}));
  EXPECT_EQ(rowsOf("Ann,87"), (Rows{{"Ann", "87"}}));
}

TEST(ScoreFile, SkipsLinesWithoutAScore) {
  EXPECT_EQ(rowsOf("no comma\nAnn,\n\nBob,64\nCarla,,5\n"), (Rows{{"Bob", "64"}}));
  EXPECT_EQ(rowsOf(""), Rows{});
  EXPECT_EQ(rowsOf("\n\n\n"), Rows{});
}

TEST(ScoreFile, AcceptsOldLineEnds) {
  EXPECT_EQ(rowsOf("Ann,87\rBob,64\r"), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
  EXPECT_EQ(rowsOf("Ann,87\r\nBob,64\r\n"), (Rows{{"Ann", "87"}, {"Bob", "64"}}));
}

TEST(ScoreFile, WritesEveryRowAsNameCommaScore) {
  fw::RowTable rows(2);
  rows.add({"Ann", "87"});
  rows.add({"", "5"});
  rows.add({" x ", " 9 "});
  rows.add({"Name", ""});
  EXPECT_EQ(scores::formatScoreFile(rows), "Ann,87\n,5\n x , 9 \nName,\n");
  EXPECT_EQ(scores::formatScoreFile(fw::RowTable(2)), "");
}

TEST(ScoreFile, BytesThatAreNotUtf8ComeBackUnchanged) {
  const std::string latin1 = "Ren\xE9,87\nJ\xF6rg,64\n\xFF\xFE,1\n";
  EXPECT_EQ(scores::formatScoreFile(scores::parseScoreFile(latin1)), latin1);
  const std::string withNul("A\0B,7\n", 6);
  EXPECT_EQ(scores::formatScoreFile(scores::parseScoreFile(withNul)), withNul);
}

}  // namespace
