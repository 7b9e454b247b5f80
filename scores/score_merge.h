// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What other games did to a score file while this game ran.

#include <cstddef>
#include <string_view>
#include <vector>

#include "scores/row_table.h"

namespace scores {

// The changes another game (or a hand edit) made to a score file since this
// game last read or wrote it.
struct OthersChanges {
  // The rows of ours to leave out: rows that were in the file then and are
  // not now (another game removed them), as indices into ours, ascending.
  std::vector<std::size_t> removed;
  // The rows to add after ours: rows in the file now that were not then
  // (another game recorded them, or a hand edit added them), in its order.
  scores::RowTable added{2};
};

// Compares base, the rows of the file as this game last read or wrote it,
// with current, the file now, and says what that means for our rows. Rows
// are compared whole and counted: two equal rows are two rows. Only the rows
// between the longest run that both begin with and the longest that both end
// with are counted, so the usual case (a few rows appended, or none) costs
// little more than comparing the rows.
OthersChanges othersChanges(const scores::RowTable& ours, const scores::RowTable& base, std::string_view current);

// Our rows with what other games did: the rows they removed left out, the
// rows they recorded at the bottom; the list a save writes.
scores::RowTable withOthersChanges(const scores::RowTable& ours, const OthersChanges& others);

}  // namespace scores
