// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/row_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "scores/score_file.h"
#include "score_text.h"

namespace {

// Rows keep their cells, whatever their order and whatever is removed
// around them, also when the freed bytes are given back.
TEST(RowTable, RowsKeepTheirCellsThroughReorderingAndRemoval) {
  scores::RowTable rows(3);
  rows.add({"a", "bb", "ccc"});
  rows.add({"d"});
  rows.takeOrder(rows.idsInOrder({1, 0}));
  EXPECT_EQ(rows.cell(0, 0), "d");
  EXPECT_EQ(rows.cell(0, 2), "");
  EXPECT_EQ(rows.cell(1, 1), "bb");

  // A row read from a file, then rows recorded after it, most of them removed
  // again: the bytes given back are the removed rows', never the file's row.
  scores::RowTable many = scores::parseScoreFile(std::make_shared<const std::string>("Ann,87\n"));
  const auto name = [](int i) { return "player " + std::to_string(i); };
  for (int i = 0; i < 1000; ++i) many.add({name(i), std::to_string(i)});
  for (int i = 0; i < 900; ++i) many.remove(1);
  ASSERT_EQ(many.size(), 101u);
  EXPECT_EQ(many.cell(0, 0), "Ann");
  EXPECT_EQ(many.cell(0, 1), "87");
  EXPECT_EQ(many.cell(1, 0), name(900));
  EXPECT_EQ(many.cell(100, 1), "999");
  many.remove(0);
  scores::RowTable more(2);
  more.add({"new", "7"});
  many.append(std::move(more));
  EXPECT_EQ(many.cell(100, 0), "new");
  EXPECT_EQ(many.cell(99, 0), name(999));
}

}  // namespace

// Rows read in the file's own bytes read as copies of them do, whatever the
// lines hold, and go on doing so as rows are moved, removed and added.
TEST(RowTable, RowsInASharedTextReadAsCopiesDo) {
  using namespace std::string_literals;
  const auto text = std::make_shared<const std::string>("Ann,87\nBob,64,extra\r\n,5\r"s + std::string(2000, 'n') +
                                                        ",1\nno comma\nCy,\nDee,-3\n\xF6,9\r\n\0x,1\nlast,2"s);
  scores::RowTable shared = scores::parseScoreFile(text);
  scores::RowTable copied(2);
  shared.forEachRow([&copied](std::size_t, const std::string_view* cells) { copied.add({cells[0], cells[1]}); });
  ASSERT_EQ(copied.size(), 8u);
  for (scores::RowTable* rows : {&shared, &copied}) {
    rows->takeOrder(rows->idsInOrder({7, 6, 5, 4, 3, 2, 1, 0}));
    rows->remove(2);
    rows->add({"new", "7"});
    rows->append(scores::parseScoreFile(text));
  }
  ASSERT_EQ(shared.size(), copied.size());
  for (std::size_t row = 0; row < shared.size(); ++row) {
    EXPECT_EQ(shared.cell(row, 0), copied.cell(row, 0)) << row;
    EXPECT_EQ(shared.cell(row, 1), copied.cell(row, 1)) << row;
  }
  EXPECT_EQ(testing_support::fileOf(shared.without({1, 4})), testing_support::fileOf(copied.without({1, 4})));
}
