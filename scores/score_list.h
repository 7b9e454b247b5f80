// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One score list: its rows, in the order shown, and its file. It is the one
// owner of a list's rows: a record, a removal, a sort and what other games
// did, taken in at a save, all change them here; a window only shows them.

#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scores/row_table.h"
#include "scores/score_merge.h"
#include "scores/score_store.h"

namespace scores {

// A sort asked to stop before it was done.
struct SortStopped {};

class ScoreList {
public:
  // The list of the file of that name in the folder (none when the folder is empty).
  ScoreList(const std::string& folder, const std::string& fileName, int lockWaitMilliseconds = kLockWaitMilliseconds);

  // Reads the file's rows, before anything else uses the list; a file that
  // cannot be read gives none, and problem() says why.
  void load();
  const std::string& path() const { return store_.path(); }
  const fw::Reason& problem() const { return store_.problem(); }
  // Lines of the file the list could not take whole, and where the first
  // save keeps the file as read.
  std::uint64_t linesLeftOut() const { return store_.linesLeftOut(); }
  std::string backupPath() const { return store_.backupPath(); }

  std::size_t size() const { return rows_.size(); }
  std::string_view cell(std::size_t row, int column) const { return rows_.cell(row, column); }
  // The rows, in their order: valid until the list changes.
  const RowTable& rows() const { return rows_; }

  // Makes room for the rows, so that appending them then needs no memory:
  // running out of it leaves the list as it was.
  void reserveFor(const RowTable& rows) { rows_.reserveFor(rows); }
  // Rows at the bottom.
  void append(RowTable rows) { rows_.append(std::move(rows)); }
  // The row's line appended to the file, under its lock: Record's file
  // step, which says what became of the row.
  ScoreStore::Recorded addToFile(std::string_view name, std::string_view score);
  void remove(std::size_t row);
  // Removes the rows at the given indices (ascending, each once) in one pass.
  void removeRows(const std::vector<std::size_t>& rows) { rows_ = rows_.without(rows); }

  // The rows sorted stably by a column, in the natural order of its texts,
  // made beside the window: their ids in the new order, and the row each old
  // row goes to. It only reads the rows, and uses every core. Throws
  // SortStopped once stop is asked for.
  struct Sorted {
    std::vector<std::uint32_t> ids;
    std::vector<std::uint32_t> newRowOf;
  };
  Sorted sorted(int column, bool descending, const std::stop_token& stop = {}) const;
  // Puts the rows in that order: quick, as the work was done in sorted().
  // A sort of another count of rows is refused: std::invalid_argument.
  void reorder(Sorted sorted) { rows_.takeOrder(std::move(sorted.ids)); }

  // Writes the rows back, whole and in their order, with what other games
  // did to the file meanwhile: their removals and records come back, for the
  // rows to take in as the file now has them. It only reads the rows, so it
  // can run beside the window.
  ScoreStore::Saved saveToFile();

private:
  ScoreStore store_;
  RowTable rows_{2};
};

}  // namespace scores
