#pragma once
// Merging a score list with what other games did to its file meanwhile.

#include "framework/row_table.h"

namespace scores {

// The rows to write back: ours (in our order, with our removals and records),
// less the rows that were in base, the file as this game last read or wrote
// it, and are no longer in current, the file now (another game removed them),
// plus the rows of current that base did not hold (another game recorded
// them, or a hand edit added them), in current's order. Rows are compared
// whole and counted: two equal rows are two rows.
fw::RowTable mergeScoreRows(const fw::RowTable& ours, const fw::RowTable& base, const fw::RowTable& current);

}  // namespace scores
