// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "framework/row_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RowTable, CellsChangeWithoutDisturbingTheirNeighbours) {
  fw::RowTable rows(3);
  rows.add({"a", "bb", "ccc"});
  rows.add({"d"});
  rows.setCell(0, 1, "BBBB");
  rows.setCell(0, 0, "");
  rows.setCell(1, 2, "z");
  EXPECT_EQ(rows.cell(0, 0), "");
  EXPECT_EQ(rows.cell(0, 1), "BBBB");
  EXPECT_EQ(rows.cell(0, 2), "ccc");
  EXPECT_EQ(rows.cell(1, 0), "d");
  EXPECT_EQ(rows.cell(1, 1), "");
  EXPECT_EQ(rows.cell(1, 2), "z");
  rows.permute({1, 0});
  EXPECT_EQ(rows.cell(0, 2), "z");
  EXPECT_EQ(rows.cell(1, 1), "BBBB");
  rows.remove(0);
  EXPECT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.cell(0, 2), "ccc");
}

// Freed bytes are given back once they are most of the buffer, and the rows
// that stay keep their cells and order through it.
TEST(RowTable, CompactsFreedBytesAndKeepsTheRows) {
  fw::RowTable rows(2);
  const auto name = [](int i) { return "player " + std::to_string(i); };
  for (int i = 0; i < 1000; ++i) rows.add({name(i), std::to_string(i)});
  const std::size_t full = rows.heldBytes();
  for (int i = 0; i < 900; ++i) rows.remove(0);
  EXPECT_LT(rows.heldBytes(), full / 2);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_EQ(rows.cell(0, 0), name(900));
  EXPECT_EQ(rows.cell(99, 1), "999");

  for (int round = 0; round < 200; ++round) rows.setCell(50, 1, std::to_string(round));
  EXPECT_LT(rows.heldBytes(), full / 2);
  EXPECT_EQ(rows.cell(50, 0), name(950));
  EXPECT_EQ(rows.cell(50, 1), "199");
  EXPECT_EQ(rows.cell(51, 0), name(951));
}

}  // namespace
