// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_file.h"
#include "score_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows rowsOf(std::string_view bytes) {
  const scores::RowTable table = testing_support::rowsIn(bytes);
  Rows rows;
  for (std::size_t r = 0; r < table.size(); ++r) rows.emplace_back(table.cell(r, 0), table.cell(r, 1));
  return rows;
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
  scores::RowTable rows(2);
  rows.add({"Ann", "87"});
  rows.add({"", "5"});
  rows.add({" x ", " 9 "});
  rows.add({"Name", ""});
  EXPECT_EQ(testing_support::fileOf(rows), "Ann,87\n,5\n x , 9 \nName,\n");
  EXPECT_EQ(testing_support::fileOf(scores::RowTable(2)), "");
}

TEST(ScoreFile, BytesThatAreNotUtf8ComeBackUnchanged) {
  const std::string latin1 = "Ren\xE9,87\nJ\xF6rg,64\n\xFF\xFE,1\n";
  EXPECT_EQ(testing_support::fileOf(testing_support::rowsIn(latin1)), latin1);
  const std::string withNul("A\0B,7\n", 6);
  EXPECT_EQ(testing_support::fileOf(testing_support::rowsIn(withNul)), withNul);
}

// The reader's one pass finds the rows that the file's lines, split at LF,
// CRLF or a lone CR, hold by the format's rule: the text up to the first
// comma, then up to a second.
TEST(ScoreFile, AFileReadsAsItsLinesSplitOneByOne) {
  std::mt19937 random(5);
  const std::string alphabet = "a,,\r\n\n";
  for (int trial = 0; trial < 2000; ++trial) {
    std::string text(random() % 12, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    Rows expected;
    for (std::size_t begin = 0; begin < text.size();) {
      std::size_t end = text.find_first_of("\r\n", begin);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(begin, end - begin);
      begin = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
      const std::size_t comma = line.find(',');
      if (comma == std::string::npos) continue;
      const std::string score = line.substr(comma + 1).substr(0, line.substr(comma + 1).find(','));
      if (!score.empty()) expected.emplace_back(line.substr(0, comma), score);
    }
    std::uint64_t lineEnds = 0;
    const scores::RowTable rows = scores::parseScoreFile(std::make_shared<const std::string>(text), &lineEnds);
    Rows read;
    for (std::size_t r = 0; r < rows.size(); ++r) read.emplace_back(rows.cell(r, 0), rows.cell(r, 1));
    EXPECT_EQ(read, expected) << text;
    EXPECT_EQ(lineEnds, static_cast<std::uint64_t>(std::count_if(text.begin(), text.end(), [](char c) {
                return c == '\r' || c == '\n';
              })));
  }
}

}  // namespace
