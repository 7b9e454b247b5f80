// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/row_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Rows keep their cells, whatever their order and whatever is removed
// around them, also when the freed bytes are given back.
TEST(RowTable, RowsKeepTheirCellsThroughReorderingAndRemoval) {
  fw::RowTable rows(3);
  rows.add({"a", "bb", "ccc"});
  rows.add({"d"});
  rows.permute({1, 0});
  EXPECT_EQ(rows.cell(0, 0), "d");
  EXPECT_EQ(rows.cell(0, 2), "");
  EXPECT_EQ(rows.cell(1, 1), "bb");

  fw::RowTable many(2);
  const auto name = [](int i) { return "player " + std::to_string(i); };
  for (int i = 0; i < 1000; ++i) many.add({name(i), std::to_string(i)});
  for (int i = 0; i < 900; ++i) many.remove(0);
  ASSERT_EQ(many.size(), 100u);
  EXPECT_EQ(many.cell(0, 0), name(900));
  EXPECT_EQ(many.cell(99, 1), "999");
  fw::RowTable more(2);
  more.add({"new", "7"});
  many.append(std::move(more));
  EXPECT_EQ(many.cell(100, 0), "new");
  EXPECT_EQ(many.cell(99, 0), name(999));
}

}  // namespace
