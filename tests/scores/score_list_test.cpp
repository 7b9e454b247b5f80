// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "scores/natural_order.h"

namespace {

// A list sorts exactly as a stable sort by the natural order of its texts
// would, in both directions; also with texts that only a comparison can
// place ("-0"), rows alike in the column sorted by, and enough rows to be
// sorted in parts side by side and merged.
TEST(ScoreList, SortsAsAStableNaturalSort) {
  std::mt19937 random(11);
  const std::string alphabet = "-0019aB .";
  for (const auto& [withMinusZero, rowCount] : {std::pair{false, 3000}, {true, 3000}, {false, 70000}, {true, 70000}}) {
    scores::ScoreList list("", scores::kStandardFile);
    scores::RowTable rows(2);
    std::vector<std::pair<std::string, std::string>> expected;
    for (int row = 0; row < rowCount; ++row) {
      std::string name(random() % 5, ' ');
      for (char& c : name) c = alphabet[random() % (withMinusZero ? alphabet.size() : 3) + (withMinusZero ? 0 : 3)];
      const std::string score = std::to_string(static_cast<int>(random() % 41) - 20);
      rows.add({name, score});
      expected.emplace_back(name, score);
    }
    list.append(std::move(rows));
    for (const auto& [column, descending] : {std::pair{0, false}, {0, true}, {1, false}, {1, true}, {0, true}}) {
      list.reorder(list.sorted(column, descending));
      std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
        const int c = scores::naturalCompare(column == 0 ? a.first : a.second, column == 0 ? b.first : b.second);
        return descending ? c > 0 : c < 0;
      });
      for (std::size_t row = 0; row < list.size(); ++row) {
        ASSERT_EQ(list.cell(row, 0), expected[row].first) << row;
        ASSERT_EQ(list.cell(row, 1), expected[row].second) << row;
      }
    }
  }
}

// A sort asked to stop ends without a result; an order of another count of
// rows (the list changed under it) is refused, the rows left as they were.
TEST(ScoreList, AStoppedSortEndsAndAStaleOrderIsRefused) {
  scores::ScoreList list("", scores::kStandardFile);
  scores::RowTable rows(2);
  for (int row = 0; row < 100000; ++row) rows.add({std::to_string(row % 977), "1"});
  list.append(std::move(rows));
  std::stop_source stop;
  stop.request_stop();
  EXPECT_THROW(list.sorted(0, false, stop.get_token()), scores::SortStopped);
  scores::ScoreList::Sorted stale = list.sorted(0, false);
  EXPECT_EQ(stale.ids.size(), 100000u);
  list.remove(5);
  EXPECT_THROW(list.reorder(std::move(stale)), std::invalid_argument);
  EXPECT_EQ(list.size(), 99999u);
  EXPECT_EQ(list.cell(5, 0), "6");
}

}  // namespace
